#include "TextFile.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmor {

namespace {

// One iconv conversion of a whole buffer. On a byte sequence the target cannot take, invalid() decides
// what is appended and one input unit is skipped, so a conversion never fails as a whole.
template <typename OnInvalid>
QByteArray convert(const char* to, const char* from, const QByteArray& input, int inputUnit,
                   OnInvalid invalid) {
    QByteArray output;
    if (input.isEmpty()) return output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return output;

    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    QByteArray chunk(4096, Qt::Uninitialized);
    while (inLeft > 0) {
        char* out = chunk.data();
        size_t outLeft = static_cast<size_t>(chunk.size());
        size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(chunk.constData(), chunk.size() - static_cast<qsizetype>(outLeft));
        if (result != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a truncated sequence at the end): replace one unit and go on.
        output.append(invalid());
        size_t skip = std::min<size_t>(static_cast<size_t>(inputUnit), inLeft);
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    return output;
}

FileError errorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return FileError::FileNotFound;
    case ENOTDIR:
        return FileError::PathNotFound;
    default:
        return FileError::Other;
    }
}

// A missing file in an existing folder is "file not found"; a missing folder on the way is "path not found".
FileError classifyMissing(const QString& path) {
    QFileInfo info(path);
    return QFileInfo(info.absolutePath()).isDir() ? FileError::FileNotFound : FileError::PathNotFound;
}

} // namespace

QString decode1251(const QByteArray& bytes) {
    static const QByteArray replacement = QByteArray("\xFF\xFD", 2); // U+FFFD in UTF-16BE
    QByteArray utf16 = convert("UTF-16BE", "CP1251", bytes, 1, [] { return replacement; });
    QString text;
    text.reserve(utf16.size() / 2);
    for (qsizetype i = 0; i + 1 < utf16.size(); i += 2)
        text.append(QChar(static_cast<char16_t>((static_cast<unsigned char>(utf16[i]) << 8) |
                                                static_cast<unsigned char>(utf16[i + 1]))));
    return text;
}

QByteArray encode1251(const QString& text) {
    QByteArray utf16;
    utf16.reserve(text.size() * 2);
    for (QChar c : text) {
        utf16.append(static_cast<char>(c.unicode() >> 8));
        utf16.append(static_cast<char>(c.unicode() & 0xFF));
    }
    return convert("CP1251", "UTF-16BE", utf16, 2, [] { return QByteArray("?"); });
}

TextReader::~TextReader() {
    close();
}

FileError TextReader::open(const QString& path) {
    close();
    scanned_ = 0;
    if (QFileInfo(path).isDir()) {
        openError_ = FileError::Other;
        return openError_;
    }
    file_ = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file_) {
        int error = errno;
        openError_ = error == ENOENT ? classifyMissing(path) : errorFromErrno(error);
        return openError_;
    }
    openError_ = FileError::None;
    return openError_;
}

void TextReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool TextReader::readLine(QString& line) {
    if (!file_) return false;
    QByteArray bytes;
    bool any = false;
    for (;;) {
        if (scanned_ >= maxScanBytes) break;
        int c = std::fgetc(file_);
        if (c == EOF) break;
        ++scanned_;
        any = true;
        if (c == '\n') {
            if (bytes.endsWith('\r')) bytes.chop(1); // a CR right before the LF belongs to the line end
            break;
        }
        if (bytes.size() < maxLineBytes + 1) bytes.append(static_cast<char>(c));
    }
    if (!any) return false;
    // Only the CR of a CR LF pair is dropped; a line cut at the cap keeps its last kept byte.
    if (bytes.size() > maxLineBytes) bytes.truncate(maxLineBytes);
    line = decode1251(bytes);
    return true;
}

FileError probeForReading(const QString& path) {
    TextReader reader;
    return reader.open(path);
}

QByteArray readWholeBytes(const QString& path, FileError* error) {
    FileError opened = probeForReading(path);
    if (error) *error = opened;
    if (opened != FileError::None) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = FileError::Other;
        return {};
    }
    return file.read(maxWholeFileBytes);
}

QString readWholeFile(const QString& path, FileError* error) {
    return decode1251(readWholeBytes(path, error));
}

FileError writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QFileInfo info(path);
        if (!QFileInfo(info.absolutePath()).isDir()) return FileError::PathNotFound;
        return FileError::Other;
    }
    if (file.write(bytes) != bytes.size()) return FileError::Other;
    if (!file.flush()) return FileError::Other;
    return FileError::None;
}

FileError writeText(const QString& path, const QString& text) {
    return writeBytes(path, encode1251(text));
}

FileError writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return writeText(path, text);
}

namespace {

bool inGroup(gid_t group) {
    if (group == getegid()) return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int filled = getgroups(count, groups.data());
    return filled > 0 && std::find(groups.begin(), groups.begin() + filled, group) != groups.begin() + filled;
}

// The bits themselves, not access(): a privileged process may write anything, but a file its owner has
// made read-only is meant to stay as it is.
bool modeDeniesWriting(const struct stat& info) {
    if (info.st_uid == geteuid()) return (info.st_mode & S_IWUSR) == 0;
    if (inGroup(info.st_gid)) return (info.st_mode & S_IWGRP) == 0;
    return (info.st_mode & S_IWOTH) == 0;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Opens a new file beside the one to replace under a name no other file has. The name begins with a dot and
// ends in hex digits, so no listing of the game's files ("*.sv", "*.map") ever shows a leftover one.
int createBeside(const QString& folder, QByteArray& name) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString suffix =
            QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'));
        name = QFile::encodeName(folder + QStringLiteral("/.replacing-") + suffix);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself survive a crash; a folder that cannot be flushed still holds the new file.
void flushFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileError replaceFile(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    if (replacing && (S_ISDIR(old.st_mode) || modeDeniesWriting(old))) return FileError::Other;

    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) return FileError::PathNotFound;

    QByteArray temporary;
    const int fd = createBeside(folder, temporary);
    if (fd < 0) return FileError::Other;
    bool written = writeAll(fd, bytes);
    if (written && replacing) written = ::fchmod(fd, old.st_mode & 0777) == 0;
    if (written) written = ::fsync(fd) == 0;
    if (::close(fd) != 0) written = false;
    if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return FileError::Other;
    }
    flushFolder(folder);
    return FileError::None;
}

} // namespace velmor
