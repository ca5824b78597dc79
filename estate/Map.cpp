#include "estate/Map.h"

#include <QBuffer>
#include <QFile>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>

#include "estate/MapRules.h"
#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/Screen.h"
#include "ui/FileLists.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TMapForm* MapForm = nullptr;

namespace {

// Picture files longer than this are refused unread: the largest picture
// the program decodes (platform::kMaxJpegPixels, 64 million pixels) takes
// 192 MiB even as an uncompressed 24-bit bitmap, so no picture that could be
// shown is longer; a longer file would only exhaust the memory.
constexpr qint64 kMaxMapFileBytes = 256LL * 1024 * 1024;

QPushButton* MapButton(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setFont(PixelFont(QStringLiteral("Calibri Light"), 14));
  b->resize(75, 27);
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

}  // namespace

bool LoadMapPicture(const QString& path, QImage& image, QString* reason) {
  image = QImage();
  auto fail = [&](const QString& why) {
    if (reason) *reason = why;
    return false;
  };
  // Only a regular file is read (a pipe or a device of that name is not a
  // picture), and never beyond the longest picture file.
  const platform::FileStart read = platform::ReadFileStart(path, kMaxMapFileBytes, true);
  if (read.readFailed) return fail(QStringLiteral("tiedoston lukeminen keskeytyi (") + read.reason + QLatin1Char(')'));
  if (read.state != platform::ReadOpen::Opened) return fail(QStringLiteral("tiedostoa ei voi avata"));
  if (read.size > kMaxMapFileBytes) return fail(QStringLiteral("tiedosto on liian suuri"));
  const QByteArray& bytes = read.bytes;
  const QString tooLarge = QString::fromUtf8("kuva on liian suuri näytettäväksi (yli %1 miljoonaa kuvapistettä)")
                               .arg(platform::kMaxJpegPixels / (1024 * 1024));
  if (platform::LooksLikeJpeg(bytes)) {
    platform::DecodedPicture decoded;
    platform::JpegFailure failure = platform::JpegFailure::None;
    if (!platform::DecodeJpeg(bytes, decoded, nullptr, &failure)) {
      switch (failure) {
        case platform::JpegFailure::TooLarge: return fail(tooLarge);
        case platform::JpegFailure::Truncated: return fail(QStringLiteral("kuvatiedosto loppuu kesken kuvan"));
        default: return fail(QStringLiteral("kuvatiedosto on vioittunut"));
      }
    }
    image = QImage(reinterpret_cast<const uchar*>(decoded.rgb.constData()), decoded.width, decoded.height,
                   decoded.width * 3, QImage::Format_RGB888)
                .copy();
    return !image.isNull() || fail(QString::fromUtf8("kuvalle ei riitä muistia"));
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  // Other formats are held to the same size as JPEG pictures.
  const QSize size = reader.size();
  if (size.isValid() && static_cast<long long>(size.width()) * size.height() > platform::kMaxJpegPixels)
    return fail(tooLarge);
  if (!reader.read(&image) || image.isNull()) {
    image = QImage();
    return fail(QStringLiteral("tiedosto ei ole kuva, jota ohjelma osaa lukea"));
  }
  return true;
}

TMapForm::TMapForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MapForm"));
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(false);
  Image1 = new QLabel;
  Image1->setObjectName(QStringLiteral("Image1"));
  ScrollBox1->setWidget(Image1);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  SetWidgetColor(Panel1, PaletteColor(7));
  Label1 = new QLabel(Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(PixelFont(QStringLiteral("Calibri"), 14));
  SetRoleColor(Label1, QPalette::WindowText, Qt::white);  // readable on the dark panel
  Button2 = MapButton(Panel1, "Button2", QStringLiteral("Hae"));
  Button3 = MapButton(Panel1, "Button3", QStringLiteral("Poista"));
  BitBtn1 = MapButton(Panel1, "BitBtn1", QStringLiteral("Ohje"));
  Button1 = MapButton(Panel1, "Button1", QStringLiteral("Sulje"));
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  setWindowTitle(PadCaption(ActlanText(33)));
  ShowMapFile(QString());
}

bool TMapForm::ShowMapFile(const QString& path) {
  if (path.isEmpty()) {
    picture_ = QImage();
    Image1->clear();
    Image1->resize(370, 220);
    ScrollBox1->hide();
    Label1->clear();
    DialogFileName.clear();
    LayOutWhole();
  } else {
    // The picture is read before anything of the window changes, so that a
    // file that cannot be read leaves the window as it was.
    QImage image;
    QString reason;
    if (!LoadMapPicture(path, image, &reason)) {
      ShowNotice(PadCaption(ActlanText(33)),
                 QStringLiteral("Karttaa ") + platform::FileNameOfPath(path) +
                     QStringLiteral(" ei voi näyttää: ") + reason + QStringLiteral("   !"));
      return false;
    }
    picture_ = image;
    Image1->setPixmap(QPixmap::fromImage(picture_));
    Image1->resize(picture_.size());
    Label1->setText(MapFileLabel(path));
    ScrollBox1->show();
    MapView view = MapViewFor(picture_.width(), picture_.height());
    const platform::ScreenMetrics screen = platform::GetScreenMetrics();
    if (!view.scrolled) {
      LayOutWhole();
      // A picture shown whole whose window would not fit on the screen is
      // scrolled instead.
      if (OuterWidth(this) > screen.width || OuterHeight(this) > screen.height)
        view = MapView{picture_.width(), picture_.height(), 0, 0, true};
    }
    if (view.scrolled) {
      view = FitMapViewToScreen(view, picture_.width(), picture_.height(), ScrolledImageLeft(),
                                screen.captionHeight, screen.width, screen.height);
      LayOutScrolled(view.visibleWidth, view.visibleHeight, view.extraWidth, view.extraHeight);
    }
  }
  Centre();
  if (isVisible()) ClearFocus(this);
  return true;
}

void TMapForm::LayOutWhole() {
  const int width = WholeMapWindowWidth(Image1->width());
  const int clientWidth = width - 6;
  ScrollBox1->setGeometry(0, 0, Image1->width(), Image1->height());
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int panelTop = (ScrollBox1->isHidden() ? Image1->height() : ScrollBox1->height()) + 1;
  Panel1->setGeometry(0, panelTop, clientWidth, Button1->height() + 14);
  int left = Panel1->width() - 8 - Button1->width();
  Button1->move(left, 6);
  left -= 4 + Button3->width();
  Button3->move(left, 6);
  left -= 4 + Button2->width();
  Button2->move(left, 6);
  // The help button and the file name share the row's left part.
  BitBtn1->move(8, 6);
  Label1->setGeometry(BitBtn1->x() + BitBtn1->width() + 8, 6, std::max(0, left - BitBtn1->width() - 24),
                      Button1->height());
  Label1->setWordWrap(false);
  SetOuterSize(this, width, OuterHeight(this));
  FitFormHeight(this, Panel1->y(), Panel1->height());
  setSizeGripEnabled(false);
}

void TMapForm::LayOutScrolled(int visibleWidth, int visibleHeight, int extraWidth, int extraHeight) {
  const int imageLeft = ScrolledImageLeft();
  const int columnWidth = imageLeft - 1;
  const int width = ScrolledMapWindowWidth(imageLeft, MapView{visibleWidth, visibleHeight, extraWidth, extraHeight, true});
  const int caption = platform::GetScreenMetrics().captionHeight;
  const int height =
      ScrolledMapWindowHeight(caption, 0, MapView{visibleWidth, visibleHeight, extraWidth, extraHeight, true});
  const int clientWidth = width - 6;
  const int clientHeight = height - 6 - caption;
  // A bar only along a side that is cut (the room for it is in the size).
  ScrollBox1->setHorizontalScrollBarPolicy(extraHeight > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(extraWidth > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  ScrollBox1->setGeometry(imageLeft, 0, clientWidth - imageLeft, clientHeight);
  Panel1->setGeometry(0, 0, columnWidth, clientHeight);
  int top = 6;
  for (QPushButton* b : {Button2, Button3, BitBtn1, Button1}) {
    b->move(7, top);
    top += b->height() + 5;
  }
  Label1->setWordWrap(true);
  Label1->setGeometry(7, top + 6, columnWidth - 10, 120);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The user may enlarge the window to see more of the picture.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  resize(clientWidth, clientHeight);
  setSizeGripEnabled(true);
}

int TMapForm::ScrolledImageLeft() const { return Button1->width() + 16 + 1; }

void TMapForm::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  if (!isSizeGripEnabled()) return;
  ScrollBox1->resize(width() - ScrollBox1->x(), height());
  Panel1->resize(Panel1->width(), height());
}

void TMapForm::Centre() { PlaceOnScreen(this, 0.5, 0.5); }

void TMapForm::FormActivate() {
  if (FolderChanged) {
    // Whichever window opens the map, another estate's picture is never
    // shown after the folder changed.
    ShowMapFile(QString());
    const QString folder = TheSession ? TheSession->StandFiles->Directory() : QString();
    const QString path = ModelEstateMapPath(folder);
    const QString modelFolder = platform::JoinPath(EstatesFolder(), ActlanText(71));
    QFile probe(path);
    if (!folder.isEmpty() && platform::OpenForReading(probe) == platform::ReadOpen::Opened &&
        SameFolder(folder, modelFolder)) {
      probe.close();
      ShowMapFile(path);
    }
    FolderChanged = false;
  }
  Centre();
  ClearFocus(this);
}

void TMapForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

int TMapForm::ShowModal() { return exec() == 1 ? 1 : 2; }

void TMapForm::Button2Click() {
  const QString path =
      OpenFileDialog(this, QStringLiteral("Valitse karttatiedosto"), DialogFolder,
                     QStringLiteral("Kuvatiedostot (*.jpg *.jpeg *.JPG *.JPEG *.png *.PNG *.bmp *.BMP *.gif *.GIF);;"
                                    "Kaikki tiedostot (*)"));
  if (!path.isEmpty()) {
    DialogFileName = path;
    DialogFolder = platform::FolderOfPath(path);
    ShowMapFile(path);
  }
  ClearFocus(this);
}

void TMapForm::Button3Click() {
  ShowMapFile(QString());
  ClearFocus(this);
}

void TMapForm::Button1Click() { done(2); }

void TMapForm::BitBtn1Click() {
  ShowHelpText(ActlanText(33),
               {QStringLiteral("Hae - painikkeella voidaan hakea esim. metsätilan kuviokartta, jos karttatiedosto on "
                               "käytettävissä. Kartta poistetaan Poista - painikkeella.")});
  ClearFocus(this);
}
