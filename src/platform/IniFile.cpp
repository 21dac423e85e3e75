#include "platform/IniFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringConverter>

#include <optional>
#include <utility>

namespace {

// Windows hands out values through a 2048-character buffer that ends in a null.
constexpr qsizetype MaxValueLength = 2047;

struct FileText
{
    QByteArray bom;
    QStringConverter::Encoding encoding = QStringConverter::Utf8;
    QString text;
};

// One line of the file with its own terminator, so that joining them gives back the file.
struct Line
{
    QString text;
    QString end;
};

struct Location
{
    qsizetype sectionLine = -1;
    qsizetype lastKeyLine = -1;
    qsizetype keyLine = -1;
};

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimBlanks(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(trimmed.sliced(1, close - 1));
}

// Position of the "=" of a key line, -1 for comments and lines without one.
qsizetype equalsSign(QStringView line)
{
    if (trimBlanks(line).startsWith(u';'))
        return -1;
    return line.indexOf(u'=');
}

// A text that starts with a byte order mark keeps that encoding; anything else is UTF-8.
FileText decode(const QByteArray &bytes)
{
    FileText file;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        file.bom = bytes.first(3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        file.bom = bytes.first(2);
        file.encoding = QStringConverter::Utf16LE;
    } else if (bytes.startsWith("\xFE\xFF")) {
        file.bom = bytes.first(2);
        file.encoding = QStringConverter::Utf16BE;
    }
    QStringDecoder decoder(file.encoding, QStringConverter::Flag::ConvertInitialBom);
    file.text = decoder.decode(bytes.sliced(file.bom.size()));
    return file;
}

QByteArray encode(const FileText &file)
{
    QStringEncoder encoder(file.encoding);
    return file.bom + QByteArray(encoder.encode(file.text));
}

std::optional<FileText> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decode(file.readAll());
}

QList<Line> splitLines(const QString &text)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype newline = text.indexOf(u'\n', start);
        qsizetype next = newline < 0 ? text.size() : newline + 1;
        qsizetype textEnd = newline < 0 ? text.size() : newline;
        if (textEnd > start && text[textEnd - 1] == u'\r')
            --textEnd;
        lines.append({text.sliced(start, textEnd - start), text.sliced(textEnd, next - textEnd)});
        start = next;
    }
    return lines;
}

QString joinLines(const QList<Line> &lines)
{
    QString text;
    for (const Line &line : lines)
        text += line.text + line.end;
    return text;
}

// New lines follow the file's own convention; a file without any line break gets "\n".
QString lineEnding(const QList<Line> &lines)
{
    for (const Line &line : lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QStringLiteral("\n");
}

// Only the first section of a name counts, and within it only the first key of a name.
Location locate(const QList<Line> &lines, QStringView section, QStringView key)
{
    Location location;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView text = lines[i].text;
        if (const std::optional<QStringView> name = sectionName(text)) {
            if (location.sectionLine >= 0)
                break;
            if (sameName(*name, section))
                location.sectionLine = i;
            continue;
        }
        if (location.sectionLine < 0)
            continue;
        const qsizetype equals = equalsSign(text);
        if (equals < 0)
            continue;
        location.lastKeyLine = i;
        if (sameName(trimBlanks(text.first(equals)), key)) {
            location.keyLine = i;
            break;
        }
    }
    return location;
}

QString valueOf(QStringView line)
{
    QStringView value = trimBlanks(line.sliced(line.indexOf(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    if (value.size() > MaxValueLength) {
        qsizetype length = MaxValueLength;
        if (value[length - 1].isHighSurrogate())
            --length;
        value = value.first(length);
    }
    return value.toString();
}

// Keeps the key's spelling and the blanks around "=" as the file has them.
QString withValue(const QString &line, const QString &value)
{
    qsizetype valueStart = line.indexOf(u'=') + 1;
    while (valueStart < line.size() && isBlank(line[valueStart]))
        ++valueStart;
    return line.first(valueStart) + value;
}

[[noreturn]] void throwWriteError(const QString &path)
{
    throw IniWriteError(("Unable to write to " + path).toStdString());
}

void insertLine(QList<Line> &lines, qsizetype at, const QString &text, const QString &ending)
{
    if (at > 0 && lines[at - 1].end.isEmpty())
        lines[at - 1].end = ending;
    lines.insert(at, {text, ending});
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<FileText> file = readFile(m_path);
    if (!file)
        return defaultValue;
    const QList<Line> lines = splitLines(file->text);
    const Location location = locate(lines, section, key);
    if (location.keyLine < 0)
        return defaultValue;
    return valueOf(lines[location.keyLine].text);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    FileText file;
    if (QFile::exists(m_path)) {
        // Rewriting a file we could not read would throw its other settings away.
        std::optional<FileText> existing = readFile(m_path);
        if (!existing)
            throwWriteError(m_path);
        file = std::move(*existing);
    }

    // A line break inside a value would split the entry in two.
    QString singleLine = value;
    singleLine.replace(u'\r', u' ').replace(u'\n', u' ');

    QList<Line> lines = splitLines(file.text);
    const QString ending = lineEnding(lines);
    const Location location = locate(lines, section, key);
    if (location.keyLine >= 0) {
        lines[location.keyLine].text = withValue(lines[location.keyLine].text, singleLine);
    } else if (location.sectionLine >= 0) {
        const qsizetype after = location.lastKeyLine >= 0 ? location.lastKeyLine : location.sectionLine;
        insertLine(lines, after + 1, key + u'=' + singleLine, ending);
    } else {
        insertLine(lines, lines.size(), u'[' + section + u']', ending);
        insertLine(lines, lines.size(), key + u'=' + singleLine, ending);
    }
    file.text = joinLines(lines);

    // QSaveFile only replaces the old file once the new one is completely on disk.
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        throwWriteError(m_path);
    const QByteArray bytes = encode(file);
    if (out.write(bytes) != bytes.size() || !out.commit())
        throwWriteError(m_path);
}
