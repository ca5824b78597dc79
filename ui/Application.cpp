#include "ui/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <exception>

#include "texts/Commonlan.h"
#include "ui/MessageService.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  finnish_ = qtTexts_.load(QLocale(QLocale::Finnish, QLocale::Finland), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
             installTranslator(&qtTexts_);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowUnexpectedException(QString::fromUtf8(e.what()));
  } catch (...) {
    ShowUnexpectedException(QString());
  }
  return false;
}

void ShowUnexpectedException(const QString& what) {
  // The message window itself runs events; one more failure inside it is not
  // shown again, so that a broken window cannot loop.
  static bool showing = false;
  if (showing) return;
  showing = true;
  try {
    ShowMessage(CommonlanText(0), QStringLiteral("Odottamaton virhe:"),
                what.isEmpty() ? QStringLiteral("tuntematon virhe") : what);
  } catch (...) {
  }
  showing = false;
}
