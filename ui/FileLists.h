#pragma once
// The lists of an estate folder: its stand files (mask "*." + the stand-file
// extension, sorted by name as the folder lists them) and the folder itself.
// The session holds the hidden stand-file list of the open stand's estate;
// the main window and the open-stand window show folder lists of their own.

#include <QListWidget>
#include <QString>

class TFileListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TFileListBox(QWidget* parent = nullptr);
  // Points the list at a folder and rereads it.
  void SetDirectory(const QString& folder);
  QString Directory() const { return directory_; }
  void SetMask(const QString& mask);
  QString Mask() const { return mask_; }
  // Rereads the folder.
  void Update();
  // Selects the file of that name (case-insensitive); -1 when absent.
  int SetFileName(const QString& name);
  // The selected file's full path, or empty.
  QString FileName() const;

 private:
  QString directory_;
  QString mask_;
};

class TDirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TDirectoryListBox(QWidget* parent = nullptr);
  void SetDirectory(const QString& folder);
  QString Directory() const { return directory_; }

 private:
  QString directory_;
};

// The stand files of a folder matching the mask, in the one order of the
// estate's lists (FilesOfFolder).
QStringList StandFilesOf(const QString& folder, const QString& mask);
