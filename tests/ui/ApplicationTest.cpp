// An exception that escapes an event handler is shown and the event loop
// goes on.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/MessageService.h"

TEST(Application, ExceptionInAHandlerIsShownAndTheLoopGoesOnInFinnish) {
  auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance());
  ASSERT_NE(app, nullptr);
  MessageScript script;
  QPushButton button;
  int clicks = 0;
  QObject::connect(&button, &QPushButton::clicked, [&] {
    ++clicks;
    if (clicks == 1) throw std::runtime_error("levy täynnä");
    if (clicks == 2) throw 7;
  });
  button.show();
  for (int i = 0; i < 3; ++i) QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicks, 3);
  ASSERT_EQ(script.Count(MessageKind::Message), 2);
  EXPECT_EQ(script.Records().at(0).lines, (QStringList{"Odottamaton virhe:", "levy täynnä"}));
  EXPECT_EQ(script.Records().at(1).lines, (QStringList{"Odottamaton virhe:", "tuntematon virhe"}));
  // The set-up installs Qt's translations; the file and print dialogs then
  // speak Finnish.
  EXPECT_TRUE(app->FinnishQtTexts());
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}
