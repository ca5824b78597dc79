// The map window through its buttons: fetching a picture shown whole or
// scrolled, a file that cannot be read, removing the picture, and the model
// estate's own map after the estate folder changed.
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "estate/Map.h"
#include "platform/Jpeg.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/ProgramWindows.h"
#include "ui/Session.h"

namespace {

QString WriteJpeg(const QString& path, int w, int h) {
  platform::DecodedPicture p{w, h, QByteArray(w * h * 3, '\0')};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      char* px = p.rgb.data() + (y * w + x) * 3;
      px[0] = static_cast<char>(60 + (x * 120) / w);
      px[1] = static_cast<char>(140 + (y * 80) / h);
      px[2] = static_cast<char>(70);
    }
  EXPECT_TRUE(estatefixture::WriteBytes(path, platform::EncodeJpeg(p, 85)));
  return path;
}

// A sound JPEG of w x h grey pixels (multiples of 16) made without encoding
// them all: the coded 16 x 16 block of one grey repeated after a header
// with the size changed.
QByteArray GreyJpeg(int w, int h) {
  const QByteArray one = platform::EncodeJpeg({16, 16, QByteArray(16 * 16 * 3, char(128))}, 85);
  const qsizetype sof = one.indexOf("\xFF\xC0"), sos = one.indexOf("\xFF\xDA");
  const qsizetype data = sos + 2 + ((uchar(one[sos + 2]) << 8) | uchar(one[sos + 3]));
  QByteArray file = one.left(data);
  file[sof + 5] = char(h >> 8), file[sof + 6] = char(h), file[sof + 7] = char(w >> 8), file[sof + 8] = char(w);
  return file + one.mid(data, one.size() - 2 - data).repeated((w / 16) * (h / 16)) + "\xFF\xD9";
}

class MapWindow : public testsupport::WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
  }
  // Shows the map window, runs the action while it is open, then closes it
  // with its close button.
  static void WithMapShown(const std::function<void()>& action) {
    QTimer::singleShot(0, [&] {
      action();
      testsupport::Click(Button("Button1"));
    });
    MapForm->ShowModal();
  }
  static QPushButton* Button(const char* name) { return testsupport::Child<QPushButton>(MapForm, name); }
  static QLabel* Label(const char* name) { return testsupport::Child<QLabel>(MapForm, name); }

  MessageScript script_;
};

}  // namespace

TEST_F(MapWindow, FetchedPictureShownWholeOrScrolledAnUnreadableOneAnnouncedThenRemoved) {
  const QString small = WriteJpeg(folder_.file("kuviot.jpg"), 800, 600);
  const QString wide = WriteJpeg(folder_.file("leveä.jpg"), 1200, 600);
  QFile::copy(small, folder_.file("katkaistu.jpg"));
  QFile(folder_.file("katkaistu.jpg")).resize(QFileInfo(small).size() / 2);
  ASSERT_TRUE(estatefixture::WriteBytes(folder_.file("teksti.jpg"), "ei kuva"));
  WithMapShown([&] {
    script_.AnswerFile(small);
    testsupport::Click(Button("Button2"));
    EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  kuviot.jpg");
    EXPECT_EQ(std::pair(OuterWidth(MapForm), Label("Image1")->size()), std::pair(806, QSize(800, 600)));
    // The buttons in one row under the picture, the close button rightmost.
    EXPECT_EQ(Button("Button1")->y(), Button("Button2")->y());
    EXPECT_TRUE(Button("Button1")->x() > Button("Button3")->x() && Button("Button3")->x() > Button("Button2")->x());
    EXPECT_GE(MapForm->findChild<QFrame*>("Panel1")->y(), 601);
    testsupport::SaveShot(MapForm, "map-whole.png");
    // A file that cannot be read: announced, the window stays as it was.
    for (const char* name : {"katkaistu.jpg", "teksti.jpg", "puuttuu.jpg"}) {
      script_.Clear();
      script_.AnswerFile(folder_.file(name));
      testsupport::Click(Button("Button2"));
      EXPECT_EQ(script_.Count(MessageKind::Notice), 1) << name;
      EXPECT_TRUE(script_.Last(MessageKind::Notice).Text().contains(name)) << name;
      EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  kuviot.jpg") << name;
      EXPECT_EQ(OuterWidth(MapForm), 806) << name;
      EXPECT_TRUE(MapForm->HasPicture()) << name;
    }
    script_.Clear();
    script_.AnswerFile(wide);
    testsupport::Click(Button("Button2"));
    EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  leveä.jpg");
    // The buttons stand in a column at the left; the picture is scrolled.
    EXPECT_EQ(Button("Button2")->x(), Button("Button1")->x());
    EXPECT_GT(Button("Button1")->y(), Button("Button2")->y());
    EXPECT_GT(MapForm->findChild<QScrollArea*>("ScrollBox1")->x(), Button("Button1")->x());
    testsupport::SaveShot(MapForm, "map-scrolled.png");
    testsupport::Click(Button("Button3"));
    EXPECT_EQ(Label("Label1")->text(), "");
    EXPECT_FALSE(MapForm->HasPicture());
    EXPECT_EQ(std::pair(OuterWidth(MapForm), Label("Image1")->size()), std::pair(376, QSize(370, 220)));
  });
  EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
}

TEST_F(MapWindow, ModelEstateMapAfterTheFolderChangedAndNoOtherEstatesMap) {
  // The program folder's parent holds the estates; the model estate's map
  // lies in its folder.
  QDir(folder_.path()).mkpath("Ohjelma");
  QDir(folder_.path()).mkpath("Metsätilat/Mallitila");
  QDir(folder_.path()).mkpath("Metsätilat/Oma");
  TheSession->ProgramFolder = folder_.file("Ohjelma");
  const QString model = folder_.file("Metsätilat/Mallitila");
  WriteJpeg(model + "/Mallitila.jpg", 640, 400);
  const QString other = WriteJpeg(folder_.file("muu.jpg"), 300, 200);

  ActForm->ResetEstatePanel("a.Norvalen", model);
  WithMapShown([&] {
    EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  Mallitila.jpg");
    script_.AnswerFile(other);
    testsupport::Click(Button("Button2"));
    EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  muu.jpg");
  });
  // The same folder again keeps the fetched picture.
  ActForm->ResetEstatePanel("b.Norvalen", model);
  WithMapShown([&] { EXPECT_EQ(Label("Label1")->text(), "karttatiedosto  :  muu.jpg"); });
  // Another estate: the window, however it is opened, starts empty.
  ActForm->ResetEstatePanel("c.Norvalen", folder_.file("Metsätilat/Oma"));
  WithMapShown([&] {
    EXPECT_FALSE(MapForm->HasPicture());
    EXPECT_EQ(Label("Label1")->text(), "");
  });
}

TEST_F(MapWindow, NoticesNameTheRealReasonAndTheShownMapStays) {
  const QByteArray grey = GreyJpeg(160, 96);
  const QByteArray broken = QByteArray(grey).replace(2, 298, QByteArray(298, char(0xFF)));  // markers destroyed
  // File, its bytes (none: missing), the reason told, whether the read of
  // the opened file fails.
  const std::tuple<const char*, QByteArray, const char*, bool> cases[] = {
      {"suuri.jpg", GreyJpeg(20000, 20000), "kuva on liian suuri näytettäväksi (yli 64 miljoonaa kuvapistettä)", false},
      {"harmaa.jpg", grey, "tiedoston lukeminen keskeytyi (levyn luku- tai kirjoitusvirhe)", true},
      {"rikki.jpg", broken, "kuvatiedosto on vioittunut", false},
      {"kesken.jpg", grey.left(grey.size() / 2), "kuvatiedosto loppuu kesken kuvan", false},
      {"puuttuu.jpg", {}, "tiedostoa ei voi avata", false},
  };
  for (const auto& [name, bytes, reason, readFails] : cases)
    EXPECT_TRUE(bytes.isEmpty() || estatefixture::WriteBytes(folder_.file(name), bytes)) << name;
  WithMapShown([&] {
    // The grey picture, sound, is shown and stays through every notice.
    script_.AnswerFile(folder_.file("harmaa.jpg"));
    testsupport::Click(Button("Button2"));
    for (const auto& [name, bytes, reason, readFails] : cases) {
      script_.Clear();
      if (readFails) platform::FailNextRead(EIO);
      script_.AnswerFile(folder_.file(name));
      testsupport::Deadline deadline(name, 5);
      testsupport::Click(Button("Button2"));
      platform::FailNextRead(0);
      EXPECT_EQ(std::pair(script_.Count(MessageKind::Notice), script_.Last(MessageKind::Notice).Text()),
                std::pair(1, QString::fromUtf8(" Kartta Karttaa %1 ei voi näyttää: %2   !")
                                 .arg(name, QString::fromUtf8(reason))));
      EXPECT_EQ(std::pair(Label("Label1")->text(), Label("Image1")->size()),
                std::pair(QString("karttatiedosto  :  harmaa.jpg"), QSize(160, 96)));
    }
  });
}
