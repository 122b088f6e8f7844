#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// An INI text file with the semantics of the classic profile-file functions:
// section and key names are case-insensitive, keys keep the order in which they
// were first written, a new file gets its sections in first-write order, and a
// value is read up to 2047 characters. Names are indexed, so a lookup costs the
// same in a file of any size. The file is read once by load(), changed
// in memory and written back by save() in one atomic step (a crash or a full
// disk never leaves a half-written file). Written as UTF-8 with CR LF; read as
// UTF-8, or as Windows-1252 when the bytes are not valid UTF-8; LF is accepted.
class IniFile {
  public:
    // Colours are numbers in the classic form: 0x00BBGGRR for a plain colour,
    // 0xFF0000nn for system colour nn.
    using Colour = quint32;

    static constexpr int kMaxValueLength = 2047;

    IniFile() = default;
    // Same as load(path).
    explicit IniFile(const QString& path);

    // Reads the file. A missing file gives an empty document and true; false
    // when the file exists but cannot be read (the document is then empty).
    bool load(const QString& path);
    // Writes the document to the path given to load(). False when the file
    // could not be written; the old file is then left as it was.
    bool save();
    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key, const QString& fallback = QString()) const;
    // Line breaks in the value are written as blanks.
    void setValue(const QString& section, const QString& key, const QString& value);

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;
    void removeSection(const QString& section);
    void removeKey(const QString& section, const QString& key);
    // Removes every key of a section; the section keeps its place.
    void removeKeys(const QString& section);
    QStringList sections() const;
    QStringList keys(const QString& section) const;

    // Booleans are written as "1"/"0" and read as an integer, non-zero = true.
    bool boolValue(const QString& section, const QString& key, bool fallback) const;
    void setBool(const QString& section, const QString& key, bool value);
    // Integers are written in decimal; read in decimal or hexadecimal ("$" or
    // "0x"). A value that is no valid integer gives the fallback.
    int intValue(const QString& section, const QString& key, int fallback) const;
    void setInt(const QString& section, const QString& key, int value);
    // Colours are written by name when they have one, else as "$" + 8 hex digits.
    Colour colourValue(const QString& section, const QString& key, Colour fallback) const;
    void setColour(const QString& section, const QString& key, Colour value);

    // The text of a document as it is written to disk.
    QByteArray toBytes() const;
    // Replaces the document by the parsed bytes.
    void parse(const QByteArray& bytes);

  private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
        QHash<QString, int> index;  // case-folded key -> position in entries

        const Entry* find(const QString& key) const;
        Entry* find(const QString& key);
        void add(const QString& key, const QString& value);
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    Section& addSection(const QString& name);
    void reindexSections();

    QString path_;
    std::vector<Section> sections_;
    QHash<QString, int> index_;  // case-folded section name -> position in sections_
};

// An integer in the INI file's forms: optional sign, then decimal digits, or
// hexadecimal digits after "$" or "0x" (up to 32 bits). Blanks around it are
// allowed.
std::optional<int> ParseIniInteger(const QString& text);

// A colour from its name ("clBtnFace", "clRed", ...) or number; none when the
// text is neither.
std::optional<IniFile::Colour> ParseColour(const QString& text);
// The colour's name when it has one, else "$" + 8 upper-case hex digits.
QString ColourText(IniFile::Colour colour);
