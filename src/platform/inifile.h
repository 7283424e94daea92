#pragma once
// INI files (project files, window files, settings): "[section]" headers and
// key=value lines. Section and key names match with a-z folded, the order of
// the file is kept, comments and lines this class does not understand are
// written back untouched, and a save replaces the file atomically.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace kolvar {

class IniFile {
public:
    IniFile() = default;
    // Loads fileName when it exists; a missing file gives an empty one that
    // save() creates.
    explicit IniFile(const QString& fileName);

    // Replaces the content with the file's (resolved through resolvePath).
    // False when the file is missing, unreadable or too large (errorString()
    // says which); the content is then empty and fileName() still names the
    // file for a later save().
    bool load(const QString& fileName);
    const QString& fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    // The content as text or bytes (UTF-8, CR LF), and parsing from them
    // (UTF-8 when valid, else Windows-1252).
    void setText(const QString& text);
    void setBytes(const QByteArray& bytes);
    QString text() const;
    QByteArray toBytes() const;

    // The first occurrence of the key wins. A key that stands with an empty
    // value reads as "", not as the default.
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // Decimal; a missing key, or a value that is no integer, gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue = 0) const;
    // An integer, anything but 0 counting as true.
    bool readBool(const QString& section, const QString& key, bool defaultValue = false) const;

    // Replaces the first occurrence, or adds the key at the end of the first
    // section of that name, or the section at the end of the file. Line
    // breaks in a value are written as blanks; a value with blanks at its
    // ends is kept by quoting it.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);

    // Names as written in the file, each once, in file order.
    QStringList sections() const;
    QStringList keys(const QString& section) const;
    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;

    // Removes every section of that name with its lines.
    void eraseSection(const QString& section);
    // Removes every occurrence of the key in the sections of that name.
    void deleteKey(const QString& section, const QString& key);
    // Empties the content; the next save() writes an empty file.
    void clear();

    // Writes the content to fileName() atomically. On failure returns false,
    // the old file is unchanged and errorString() holds
    // "In <file> kann nicht geschrieben werden".
    bool save();
    const QString& errorString() const { return m_error; }

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        Kind kind = Kind::Other;
        QString raw;   // written back as it stands
        QString name;  // section or key name
        QString value; // entry value, quotes removed
    };

    static Line parseLine(const QString& raw);
    int findEntry(const QString& section, const QString& key) const;
    int findSection(const QString& section) const;

    std::vector<Line> m_lines;
    QString m_fileName;
    QString m_path;
    QString m_error;
};

} // namespace kolvar
