#include "ui/FileLists.h"

#include <QDir>

#include "model/Estate.h"
#include "platform/Files.h"

QStringList StandFilesOf(const QString& folder, const QString& mask) { return FilesOfFolder(folder, mask); }

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("FileListBox1"));
}

void TFileListBox::SetDirectory(const QString& folder) {
  directory_ = folder;
  Update();
}

void TFileListBox::SetMask(const QString& mask) {
  mask_ = mask;
  Update();
}

void TFileListBox::Update() {
  clear();
  addItems(StandFilesOf(directory_, mask_.isEmpty() ? QStringLiteral("*") : mask_));
}

int TFileListBox::SetFileName(const QString& name) {
  const QString wanted = platform::FileNameOfPath(name);
  for (int i = 0; i < count(); ++i) {
    if (item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0) {
      setCurrentRow(i);
      return i;
    }
  }
  setCurrentRow(-1);
  return -1;
}

QString TFileListBox::FileName() const {
  const QListWidgetItem* it = currentItem();
  return it ? platform::JoinPath(directory_, it->text()) : QString();
}

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("DirectoryListBox1"));
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
  directory_ = folder;
  clear();
  for (const QString& part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) addItem(part);
  setCurrentRow(count() - 1);
}
