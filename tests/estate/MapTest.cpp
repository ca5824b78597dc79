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

// A sound JPEG of w x h grey pixels (both multiples of 16) built without
// encoding every pixel: a picture of one grey has the same 16 x 16 block
// throughout, whose coded bytes are repeated after the header of a 16 x 16
// picture with its size changed.
QByteArray GreyJpeg(int w, int h) {
  const QByteArray one = platform::EncodeJpeg(platform::DecodedPicture{16, 16, QByteArray(16 * 16 * 3, char(128))}, 85);
  const qsizetype sof = one.indexOf(QByteArray("\xFF\xC0", 2));
  const qsizetype sos = one.indexOf(QByteArray("\xFF\xDA", 2));
  if (sof < 0 || sos < 0) return {};
  const qsizetype data = sos + 2 + ((uchar(one[sos + 2]) << 8) | uchar(one[sos + 3]));
  const QByteArray block = one.mid(data, one.size() - 2 - data);
  QByteArray file = one.left(data);
  file[sof + 5] = char(h >> 8);
  file[sof + 6] = char(h & 0xFF);
  file[sof + 7] = char(w >> 8);
  file[sof + 8] = char(w & 0xFF);
  file.reserve(file.size() + block.size() * (w / 16) * (h / 16) + 2);
  for (int i = 0; i < (w / 16) * (h / 16); ++i) file += block;
  return file + QByteArray("\xFF\xD9", 2);
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
  // The grey picture is sound: small, it is shown.
  const QByteArray grey = GreyJpeg(160, 96);
  platform::DecodedPicture decoded;
  ASSERT_TRUE(platform::DecodeJpeg(grey, decoded));
  ASSERT_EQ(std::tuple(decoded.width, decoded.height, int(uchar(decoded.rgb.at(3 * (50 * 160 + 80))))),
            std::tuple(160, 96, 128));
  ASSERT_TRUE(estatefixture::WriteBytes(folder_.file("harmaa.jpg"), grey));
  ASSERT_TRUE(estatefixture::WriteBytes(folder_.file("suuri.jpg"), GreyJpeg(20000, 20000)));
  QByteArray broken = grey;
  for (int i = 2; i < 300; ++i) broken[i] = static_cast<char>(0xFF);  // markers destroyed
  ASSERT_TRUE(estatefixture::WriteBytes(folder_.file("rikki.jpg"), broken));
  ASSERT_TRUE(estatefixture::WriteBytes(folder_.file("kesken.jpg"), grey.left(grey.size() / 2)));
  const QString shown = WriteJpeg(folder_.file("kuviot.jpg"), 400, 300);
  // File, the reason told, whether the read of the opened file fails.
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"suuri.jpg", "kuva on liian suuri näytettäväksi (yli 64 miljoonaa kuvapistettä)", false},
      {"harmaa.jpg", "tiedoston lukeminen keskeytyi (levyn luku- tai kirjoitusvirhe)", true},
      {"rikki.jpg", "kuvatiedosto on vioittunut", false},
      {"kesken.jpg", "kuvatiedosto loppuu kesken kuvan", false},
      {"puuttuu.jpg", "tiedostoa ei voi avata", false},
  };
  WithMapShown([&] {
    script_.AnswerFile(shown);
    testsupport::Click(Button("Button2"));
    ASSERT_TRUE(MapForm->HasPicture());
    for (const auto& [name, reason, readFails] : cases) {
      SCOPED_TRACE(name);
      script_.Clear();
      script_.OnShow([&, file = QString(name)](const MessageRecord&, QWidget* window) {
        if (window && file == "suuri.jpg") testsupport::SaveShot(window, "map-notice-too-large.png");
        if (window && file == "harmaa.jpg") testsupport::SaveShot(window, "map-notice-read-error.png");
      });
      if (readFails) platform::FailNextRead(EIO);
      script_.AnswerFile(folder_.file(name));
      testsupport::Deadline deadline(name, 5);
      testsupport::Click(Button("Button2"));
      platform::FailNextRead(0);
      ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
      const MessageRecord notice = script_.Last(MessageKind::Notice);
      EXPECT_EQ(QStringList{notice.caption} + notice.lines,
                QStringList({" Kartta", QString::fromUtf8("Karttaa ") + name + QString::fromUtf8(" ei voi näyttää: ") +
                                           QString::fromUtf8(reason) + "   !"}));
      EXPECT_EQ(std::pair(Label("Label1")->text(), Label("Image1")->size()),
                std::pair(QString("karttatiedosto  :  kuviot.jpg"), QSize(400, 300)));
    }
    script_.OnShow({});
    // The grey picture itself reads as any other.
    script_.AnswerFile(folder_.file("harmaa.jpg"));
    testsupport::Click(Button("Button2"));
    EXPECT_EQ(Label("Image1")->size(), QSize(160, 96));
  });
}
