#pragma once
// File and path services. Paths use "/" as the separator.

#include <QByteArray>
#include <QString>

#include <functional>

class QFile;
class QFileDevice;

namespace platform {

// Copies a file; with failIfExists an existing target is left alone and the
// copy fails. Returns false on any failure.
bool CopyFile(const QString& from, const QString& to, bool failIfExists);
// Deletes a file; false when it could not be deleted (or did not exist).
bool DeleteFile(const QString& path);
// Whether anything of that name exists: a file, a folder, a pipe, a device,
// a link (even to nothing).
bool FileExists(const QString& path);
// What tells one file from every other whatever names it has: its device
// and its inode.
struct FileIdentity {
  quint64 device = 0;
  quint64 inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

// Writes bytes through a temporary file beside the name, synced, that
// replaces the old file in one step, so that a failed write leaves the old
// file as it was: the old file is replaced only when every byte has been
// written. A link is written through (the file it points at is replaced,
// the link stays). Only a regular file that this user may write is ever
// replaced: a write-protected file fails with the system's reason, and
// something that is not a regular file (a folder, a pipe, a device, also
// through a link) is never replaced, even when the name changes while the
// file is written: the replacement swaps the new file and whatever the name
// then holds in one step and swaps them back unless that was a regular file.
// With `replacing`, the write replaces that one file (the one the caller
// has read and checked through path) and nothing else: where path leads to
// anything else, or to nothing, at any look or in the swap, what was swapped
// out gets its name back and the write fails with "tiedoston nimi vaihtui
// tallennuksen aikana". After the replacement the folder is synced, so that
// the new file survives a power cut; a folder that cannot be synced fails
// the write, though the new file is then in place. A name as long as the
// system allows can be written (the temporary name is cut to fit). False on
// failure, with the reason in error when given (FileErrorReason).
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                         const FileIdentity* replacing = nullptr);

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
  Opened,      // open, read-only, a regular file
  Missing,     // nothing of that name exists (not even a link)
  Unreadable,  // something of that name exists but does not open as a
               // regular file: no read permission, a folder, a link to
               // nothing, a pipe, a device or a socket
};
// Opens f (its name set) read-only, the one way every reader of a user's
// file opens it. The open never waits (a pipe without a writer, a device
// that would block) and what it opened is checked on the open descriptor,
// so a name that changes meanwhile cannot slip anything but a regular file
// through; f is opened on that descriptor, which leaves its fileName()
// empty. The reason of Unreadable in reason when given (FileErrorReason),
// the identity of the file opened in identity when given.
ReadOpen OpenForReading(QFile& f, QString* reason = nullptr, FileIdentity* identity = nullptr);

// The start of a file read through OpenForReading.
struct FileStart {
  ReadOpen state = ReadOpen::Missing;
  qint64 size = 0;          // the file's whole length
  QByteArray bytes;         // at most the bytes asked for, from the start
  QString reason;           // why it was not read (Missing or Unreadable)
  bool readFailed = false;  // Unreadable although it opened: the read itself failed
  FileIdentity identity;    // of the file opened (Opened), for WriteFileAtomically
};
// Reads at most maxBytes from the start of a file: the whole file when it
// is no longer, else its first maxBytes, or with wholeOnly nothing (size
// then tells the length). Never reads more than maxBytes, whatever the file
// claims. A read error makes it Unreadable.
FileStart ReadFileStart(const QString& path, qint64 maxBytes, bool wholeOnly = false);

// The text after the last "/" (all of it when there is none).
QString FileNameOfPath(const QString& path);
// The text before the last "/" (empty when there is none).
QString FolderOfPath(const QString& path);
// a + "/" + b, without doubling a separator.
QString JoinPath(const QString& a, const QString& b);

// ---- Faults made on purpose by tests ----

// The points of WriteFileAtomically at which a test may change the name
// being written: as the write starts, before the name is resolved (right
// after a caller's own look at the file), right after what the name holds
// has been checked, after the temporary file is written, and between the
// last look at the name and the step that replaces it.
enum class WriteStage { Started, Checked, Written, Replacing };
// Calls fn at each stage of every WriteFileAtomically until it is removed
// (an empty fn).
void SetWriteStageHook(std::function<void(WriteStage)> fn);
// The next sync of a folder after a replacement by WriteFileAtomically fails
// with this error number, as a disk that cannot write would (0: none).
void FailNextFolderSync(int errorNumber);
// The next read of ReadFileStart fails with this error number after the
// file has opened, as a disk that cannot read a sector would (0: none).
void FailNextRead(int errorNumber);

}  // namespace platform
