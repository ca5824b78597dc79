#include "ui/AboutDlg.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include "ui/Palette.h"
#include "ui/WindowHelpers.h"
#include "texts/Aboutlan.h"
#include "texts/Commonlan.h"

TAboutBox* AboutBox = nullptr;

namespace {

// A small conifer on a light disc, drawn rather than loaded.
QPixmap DrawTreePicture(int size, const QColor& disc) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
  p.setBrush(QColor(92, 64, 40));
  p.drawRect(QRectF(size * 0.46, size * 0.70, size * 0.08, size * 0.16));
  p.setBrush(QColor(34, 102, 52));
  for (int i = 0; i < 3; ++i) {
    QPainterPath tri;
    const double top = size * (0.12 + 0.16 * i);
    const double half = size * (0.14 + 0.07 * i);
    tri.moveTo(size * 0.5, top);
    tri.lineTo(size * 0.5 + half, top + size * 0.30);
    tri.lineTo(size * 0.5 - half, top + size * 0.30);
    tri.closeSubpath();
    p.drawPath(tri);
  }
  return pm;
}

QLabel* FixedLine(QWidget* parent, const QString& text, int top, int pixelSize, bool light) {
  auto* l = new QLabel(text, parent);
  l->setFont(PixelFont(light ? QStringLiteral("Calibri Light") : QStringLiteral("Calibri"), pixelSize));
  SetRoleColor(l, QPalette::WindowText, Qt::white);
  l->adjustSize();
  l->move(120, top);
  return l;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setWindowTitle(PadCaption(AboutlanText(0)));
  resize(470, 250);
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 454, 190);
  SetWidgetColor(Panel1, PaletteColor(20));
  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setPixmap(DrawTreePicture(80, PaletteColor(8)));
  ProgramIcon->setGeometry(20, 20, 80, 80);
  TreePicture = new QLabel(Panel1);
  TreePicture->setObjectName(QStringLiteral("TreePicture"));
  TreePicture->setPixmap(DrawTreePicture(44, PaletteColor(13)));
  TreePicture->setGeometry(38, 118, 44, 44);
  ProductName = FixedLine(Panel1, MainWindowTitle(true).trimmed(), 18, 30, false);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  FixedLine(Panel1, QStringLiteral("Metsäkuvioiden hoidon suunnittelu"), 62, 16, true);
  FixedLine(Panel1, QStringLiteral("Versio 1.0"), 96, 15, true);
  FixedLine(Panel1, QStringLiteral("Puustoa kasvatetaan viiden vuoden jaksoissa"), 128, 14, true);
  FixedLine(Panel1, QStringLiteral("ja hakkuut tehdään puu puulta."), 148, 14, true);
  BitBtn1 = new QPushButton(CommonlanText(8), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setAutoDefault(false);
  BitBtn1->setGeometry(470 - 8 - 96, 208, 96, 30);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(2); });
}

void TAboutBox::FormActivate() {
  setWindowTitle(PadCaption(windowTitle()));
  PlaceOnScreen(this, 0.5, 0.4);
}

void TAboutBox::showEvent(QShowEvent* e) {
  FormActivate();
  QDialog::showEvent(e);
}
