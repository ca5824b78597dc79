#pragma once
// The map window `TMapForm` (one object, `MapForm`): one picture file shown
// as the map of the estate, fetched by the user; the model estate shows its
// own map by itself. Nothing of it is stored.

#include <QDialog>
#include <QImage>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

// Reads a picture file: JPEG through libjpeg, any other format Qt reads.
// False with a Finnish reason when it cannot be read; image is then empty.
bool LoadMapPicture(const QString& path, QImage& image, QString* reason = nullptr);

class TMapForm : public QDialog {
  Q_OBJECT
 public:
  explicit TMapForm(QWidget* parent = nullptr);  // FormCreate

  QScrollArea* ScrollBox1 = nullptr;  // the picture's visible area
  QLabel* Image1 = nullptr;           // the picture, at its natural size
  QFrame* Panel1 = nullptr;           // the buttons
  QLabel* Label1 = nullptr;           // "karttatiedosto  :  " + file name
  QPushButton* Button2 = nullptr;     // "Hae"
  QPushButton* Button3 = nullptr;     // "Poista"
  QPushButton* BitBtn1 = nullptr;     // "Ohje"
  QPushButton* Button1 = nullptr;     // "Sulje", modal result 2

  // Set when the estate folder changes: the next showing starts without a
  // picture and tries the model estate's own map.
  bool FolderChanged = false;
  // The open-picture dialog's folder and last file.
  QString DialogFolder;
  QString DialogFileName;

  // Loads the picture file, or clears the window for an empty path, and
  // sizes and lays out the window. A file that cannot be read is announced
  // and the window stays as it was; false then.
  bool ShowMapFile(const QString& path);
  bool HasPicture() const { return !picture_.isNull(); }

  void FormActivate();
  void Button2Click();
  void Button3Click();
  void Button1Click();
  void BitBtn1Click();

  // Shows the window modally.
  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void LayOutWhole();
  void LayOutScrolled(int visibleWidth, int visibleHeight, int extraWidth, int extraHeight);
  // The picture's left edge in the scrolled layout: right of the button
  // column.
  int ScrolledImageLeft() const;
  void Centre();
  QImage picture_;
};

extern TMapForm* MapForm;
