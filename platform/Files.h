#pragma once
// File and path services. Paths use "/" as the separator.

#include <QByteArray>
#include <QString>

class QFile;
class QFileDevice;

namespace platform {

// Copies a file; with failIfExists an existing target is left alone and the
// copy fails. Returns false on any failure.
bool CopyFile(const QString& from, const QString& to, bool failIfExists);
// Deletes a file; false when it could not be deleted (or did not exist).
bool DeleteFile(const QString& path);
bool FileExists(const QString& path);
// Writes bytes through a temporary file renamed over path, so that a failed
// write leaves the old file as it was: the old file is replaced only when
// every byte has been written. False on failure, with the reason in error
// when given (FileErrorReason).
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The reason of a failed file operation as the user reads it, in Finnish:
// from the system's error number taken right after the failing call (0 when
// none was set), a folder at the path told as such; the file device's own
// text (Qt's, in English) only inside an otherwise Finnish line when the
// number says nothing known.
QString FileErrorReason(int errorNumber, const QString& path, const QString& systemText);
// The same for a file device that has just failed, errorNumber being errno
// taken right after the failing call.
QString FileErrorReason(int errorNumber, const QFileDevice& file);

// How a file opened for reading.
enum class ReadOpen {
  Opened,      // open, read-only
  Missing,     // nothing of that name exists (not even a link)
  Unreadable,  // something of that name exists but does not open: no read
               // permission, a folder, a link to nothing
};
// Opens f (its name set) read-only; the reason of Unreadable in reason when
// given (FileErrorReason).
ReadOpen OpenForReading(QFile& f, QString* reason = nullptr);

// The text after the last "/" (all of it when there is none).
QString FileNameOfPath(const QString& path);
// The text before the last "/" (empty when there is none).
QString FolderOfPath(const QString& path);
// a + "/" + b, without doubling a separator.
QString JoinPath(const QString& a, const QString& b);

}  // namespace platform
