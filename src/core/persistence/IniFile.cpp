#include "persistence/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>
#include <cctype>
#include <climits>

#include "base/FileWrite.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte <= 0x9F ? QChar(kCp1252High[byte - 0x80]) : QChar(byte));
    }
    return text;
}

QString Decode(QByteArray bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? DecodeCp1252(bytes) : text;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The form of a name under which it is indexed: equal for names that differ in case only.
QString Folded(const QString& name) {
    return name.toCaseFolded();
}

struct NamedColour {
    const char* name;
    IniFile::Colour value;
};

constexpr IniFile::Colour kSystem = 0xFF000000u;

// The standard colour constants: plain colours as 0x00BBGGRR, system colours by index.
constexpr std::array<NamedColour, 50> kColours = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clScrollBar", kSystem | 0},
    {"clBackground", kSystem | 1},
    {"clActiveCaption", kSystem | 2},
    {"clInactiveCaption", kSystem | 3},
    {"clMenu", kSystem | 4},
    {"clWindow", kSystem | 5},
    {"clWindowFrame", kSystem | 6},
    {"clMenuText", kSystem | 7},
    {"clWindowText", kSystem | 8},
    {"clCaptionText", kSystem | 9},
    {"clActiveBorder", kSystem | 10},
    {"clInactiveBorder", kSystem | 11},
    {"clAppWorkSpace", kSystem | 12},
    {"clHighlight", kSystem | 13},
    {"clHighlightText", kSystem | 14},
    {"clBtnFace", kSystem | 15},
    {"clBtnShadow", kSystem | 16},
    {"clGrayText", kSystem | 17},
    {"clBtnText", kSystem | 18},
    {"clInactiveCaptionText", kSystem | 19},
    {"clBtnHighlight", kSystem | 20},
    {"cl3DDkShadow", kSystem | 21},
    {"cl3DLight", kSystem | 22},
    {"clInfoText", kSystem | 23},
    {"clInfoBk", kSystem | 24},
    {"clHotLight", kSystem | 26},
    {"clGradientActiveCaption", kSystem | 27},
    {"clGradientInactiveCaption", kSystem | 28},
    {"clMenuHighlight", kSystem | 29},
    {"clMenuBar", kSystem | 30},
}};

}  // namespace

std::optional<int> ParseIniInteger(const QString& text) {
    QString digits = text.trimmed();
    bool negative = false;
    if (digits.startsWith(QLatin1Char('-')) || digits.startsWith(QLatin1Char('+'))) {
        negative = digits.startsWith(QLatin1Char('-'));
        digits.remove(0, 1);
    }
    int base = 10;
    if (digits.startsWith(QLatin1Char('$'))) {
        base = 16;
        digits.remove(0, 1);
    } else if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        digits.remove(0, 2);
    }
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits) {
        const int ch = c.unicode() < 0x80 ? c.toLatin1() : 0;
        if (!(base == 16 ? std::isxdigit(ch) : std::isdigit(ch))) return std::nullopt;
    }
    bool ok = false;
    qint64 value = 0;
    if (base == 16) {
        // Hexadecimal numbers are 32-bit patterns ($FFFFFFFF = -1).
        const quint64 bits = digits.toULongLong(&ok, 16);
        if (!ok || bits > 0xFFFFFFFFull) return std::nullopt;
        value = static_cast<qint32>(static_cast<quint32>(bits));
    } else {
        value = digits.toLongLong(&ok, 10);
        if (!ok) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<IniFile::Colour> ParseColour(const QString& text) {
    const QString name = text.trimmed();
    for (const NamedColour& colour : kColours)
        if (SameName(name, QLatin1String(colour.name))) return colour.value;
    if (const std::optional<int> number = ParseIniInteger(name)) return static_cast<IniFile::Colour>(*number);
    return std::nullopt;
}

QString ColourText(IniFile::Colour colour) {
    for (const NamedColour& named : kColours)
        if (named.value == colour) return QLatin1String(named.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

// ---------------------------------------------------------------------------

IniFile::IniFile(const QString& path) {
    load(path);
}

bool IniFile::load(const QString& path) {
    path_ = path;
    sections_.clear();
    const QFileInfo info(path);
    if (!info.exists()) return true;
    if (!info.isFile()) return false;  // a FIFO would block, a folder has no text
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    parse(file.readAll());
    return true;
}

void IniFile::parse(const QByteArray& bytes) {
    sections_.clear();
    index_.clear();
    Section* current = nullptr;
    bool duplicate = false;
    for (const QString& raw : Decode(bytes).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const int close = line.indexOf(QLatin1Char(']'));
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            // Like the profile functions, only the first section of a name counts.
            duplicate = findSection(name) != nullptr;
            current = duplicate ? nullptr : &addSection(name);
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0 || line.startsWith(QLatin1Char(';'))) continue;
        const QString key = line.left(equals).trimmed();
        if (!key.isEmpty() && !current->find(key)) current->add(key, line.mid(equals + 1).trimmed());
    }
}

QByteArray IniFile::toBytes() const {
    QString text;
    for (const Section& section : sections_) {
        if (!text.isEmpty()) text += QLatin1String("\r\n");
        text += QLatin1Char('[') + section.name + QLatin1String("]\r\n");
        for (const Entry& entry : section.entries)
            text += entry.key + QLatin1Char('=') + entry.value + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

bool IniFile::save() {
    return !path_.isEmpty() && WriteFileWhole(path_, toBytes());
}

const IniFile::Entry* IniFile::Section::find(const QString& key) const {
    const auto it = index.constFind(Folded(key));
    return it == index.constEnd() ? nullptr : &entries[*it];
}

IniFile::Entry* IniFile::Section::find(const QString& key) {
    const auto it = index.constFind(Folded(key));
    return it == index.constEnd() ? nullptr : &entries[*it];
}

void IniFile::Section::add(const QString& key, const QString& value) {
    index.insert(Folded(key), static_cast<int>(entries.size()));
    entries.push_back(Entry{key, value});
}

const IniFile::Section* IniFile::findSection(const QString& name) const {
    const auto it = index_.constFind(Folded(name));
    return it == index_.constEnd() ? nullptr : &sections_[*it];
}

IniFile::Section* IniFile::findSection(const QString& name) {
    const auto it = index_.constFind(Folded(name));
    return it == index_.constEnd() ? nullptr : &sections_[*it];
}

IniFile::Section& IniFile::addSection(const QString& name) {
    index_.insert(Folded(name), static_cast<int>(sections_.size()));
    sections_.push_back(Section{name, {}, {}});
    return sections_.back();
}

// After a removal the positions behind it have moved.
void IniFile::reindexSections() {
    index_.clear();
    for (int s = 0; s < static_cast<int>(sections_.size()); ++s)
        index_.insert(Folded(sections_[s].name), s);
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    const Section* found = findSection(section);
    const Entry* entry = found ? found->find(key) : nullptr;
    return entry ? entry->value.left(kMaxValueLength) : fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Section* found = findSection(section);
    if (!found) found = &addSection(section);
    if (Entry* entry = found->find(key))
        entry->value = flat;
    else
        found->add(key, flat);
}

bool IniFile::hasSection(const QString& section) const {
    return findSection(section) != nullptr;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    const Section* found = findSection(section);
    return found && found->find(key);
}

void IniFile::removeSection(const QString& section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (SameName(it->name, section)) {
            sections_.erase(it);
            reindexSections();
            return;
        }
}

void IniFile::removeKey(const QString& section, const QString& key) {
    Section* found = findSection(section);
    if (!found) return;
    const auto it = found->index.constFind(Folded(key));
    if (it == found->index.constEnd()) return;
    found->entries.erase(found->entries.begin() + *it);
    found->index.clear();
    for (int e = 0; e < static_cast<int>(found->entries.size()); ++e)
        found->index.insert(Folded(found->entries[e].key), e);
}

void IniFile::removeKeys(const QString& section) {
    if (Section* found = findSection(section)) {
        found->entries.clear();
        found->index.clear();
    }
}

QStringList IniFile::sections() const {
    QStringList names;
    for (const Section& section : sections_)
        names << section.name;
    return names;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList names;
    if (const Section* found = findSection(section))
        for (const Entry& entry : found->entries)
            names << entry.key;
    return names;
}

bool IniFile::boolValue(const QString& section, const QString& key, bool fallback) const {
    return intValue(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::setBool(const QString& section, const QString& key, bool value) {
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

int IniFile::intValue(const QString& section, const QString& key, int fallback) const {
    return ParseIniInteger(value(section, key)).value_or(fallback);
}

void IniFile::setInt(const QString& section, const QString& key, int value) {
    setValue(section, key, QString::number(value));
}

IniFile::Colour IniFile::colourValue(const QString& section, const QString& key, Colour fallback) const {
    return ParseColour(value(section, key)).value_or(fallback);
}

void IniFile::setColour(const QString& section, const QString& key, Colour value) {
    setValue(section, key, ColourText(value));
}
