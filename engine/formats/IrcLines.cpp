#include "engine/formats/IrcLines.h"

#include "engine/Letters.h"

#include <vector>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// The formatting codes of IRC clients: bold, italics, underline, strikethrough, monospace,
// reverse, reset, and the palette and hex colours.
bool isCode(QChar c)
{
    switch (c.unicode()) {
    case 0x02:
    case 0x03:
    case 0x04:
    case 0x0F:
    case 0x11:
    case 0x16:
    case 0x1D:
    case 0x1E:
    case 0x1F:
        return true;
    default:
        return false;
    }
}

qsizetype runOf(QStringView text, qsizetype at, qsizetype most, bool (*isPart)(QChar))
{
    qsizetype length = 0;
    while (length < most && at + length < text.size() && isPart(text[at + length]))
        ++length;
    return length;
}

// The length of the code at at: a colour takes its digits and, after a comma that a digit
// follows, a background; a comma without a digit after it is text.
qsizetype codeLength(QStringView text, qsizetype at)
{
    const QChar code = text[at];
    if (code != u'\x03' && code != u'\x04')
        return 1;
    const bool hex = code == u'\x04';
    bool (*const isColourDigit)(QChar) = hex ? isHexDigit : isDigit;
    const qsizetype digits = hex ? 6 : 2;
    qsizetype length = 1 + runOf(text, at + 1, digits, isColourDigit);
    if (length > 1 && at + length < text.size() && text[at + length] == u',') {
        const qsizetype background = runOf(text, at + length + 1, digits, isColourDigit);
        if (background > 0)
            length += 1 + background;
    }
    return length;
}

// The formatting in force at a place of a line.
struct Formatting
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool monospace = false;
    bool reverse = false;
    QStringView color; // the last palette code, digits and all, while it holds
    QStringView hexColor;

    void apply(QStringView code)
    {
        switch (code.front().unicode()) {
        case 0x02:
            bold = !bold;
            break;
        case 0x1D:
            italic = !italic;
            break;
        case 0x1F:
            underline = !underline;
            break;
        case 0x1E:
            strike = !strike;
            break;
        case 0x11:
            monospace = !monospace;
            break;
        case 0x16:
            reverse = !reverse;
            break;
        case 0x0F:
            *this = {};
            break;
        case 0x03:
            // A palette code without digits ends every colour.
            color = code.size() > 1 ? code : QStringView();
            if (code.size() == 1)
                hexColor = {};
            break;
        default:
            hexColor = code.size() > 1 ? code : QStringView();
            break;
        }
    }

    // The codes that set this formatting at the start of a message; the colours only when
    // withColor.
    QString codes(bool withColor) const
    {
        QString text;
        const std::pair<bool, char16_t> toggles[] = {{bold, u'\x02'},      {italic, u'\x1D'},
                                                     {underline, u'\x1F'}, {strike, u'\x1E'},
                                                     {monospace, u'\x11'}, {reverse, u'\x16'}};
        for (const auto &[on, code] : toggles) {
            if (on)
                text += QChar(code);
        }
        if (withColor)
            text += color.toString() + hexColor.toString();
        return text;
    }
};

// A letter with the codes before it, and the formatting in force before them.
struct Unit
{
    qsizetype start = 0;
    qsizetype end = 0;
    Formatting before;
    bool setsColor = false; // its codes give a colour before the letter
    bool hasLetter = false;
};

// The units of a line, in order.
std::vector<Unit> unitsOf(QStringView line)
{
    std::vector<bool> letterEnds(std::size_t(line.size()) + 1, false);
    const Letters letters(line);
    qsizetype at = 0;
    for (auto next = letters.begin(); next != letters.end(); ++next) {
        at += (*next).size();
        letterEnds[std::size_t(at)] = true;
    }
    std::vector<Unit> units;
    Formatting formatting;
    qsizetype pos = 0;
    while (pos < line.size()) {
        Unit unit {pos, pos, formatting};
        while (pos < line.size() && isCode(line[pos])) {
            const qsizetype length = codeLength(line, pos);
            const QStringView code = line.sliced(pos, length);
            if (length > 1)
                unit.setsColor = true;
            formatting.apply(code);
            pos += length;
        }
        if (pos < line.size()) {
            unit.hasLetter = true;
            ++pos;
            while (pos < line.size() && !letterEnds[std::size_t(pos)] && !isCode(line[pos]))
                ++pos;
        }
        unit.end = pos;
        units.push_back(unit);
    }
    return units;
}

// The codes that open a message which goes on at unit, whose text (codes and letter) is text:
// the formatting in force before it, its colour unless the unit sets its own; a comma or digit
// right after a restated colour is kept from joining its code.
QString restatement(const Unit &unit, QStringView text)
{
    QString codes = unit.before.codes(!unit.setsColor);
    if (!unit.setsColor && !unit.before.color.isEmpty() && unit.before.hexColor.isEmpty() &&
        (text.front() == u',' || isDigit(text.front())))
        codes += u"\x02\x02";
    if (!unit.setsColor && !unit.before.hexColor.isEmpty() &&
        (text.front() == u',' || isHexDigit(text.front())))
        codes += u"\x02\x02";
    return codes;
}

} // namespace

qsizetype Utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        // A surrogate pair's four bytes, two for each half.
        bytes += unit < 0x80 ? 1 : unit < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
    }
    return bytes;
}

qsizetype IrcCutLength(QStringView line, qsizetype room)
{
    if (Utf8Length(line) <= room)
        return line.size();
    qsizetype bytes = 0;
    qsizetype cut = 0;
    for (const Unit &unit : unitsOf(line)) {
        bytes += Utf8Length(line.sliced(unit.start, unit.end - unit.start));
        if (bytes > room && cut > 0)
            break;
        cut = unit.end;
        if (bytes > room)
            break;
    }
    return cut;
}

QStringList SplitIrcLine(QStringView line, qsizetype room)
{
    if (Utf8Length(line) <= room)
        return {line.toString()};
    QStringList lines;
    QString current;
    qsizetype bytes = 0;
    bool hasLetter = false;
    for (const Unit &unit : unitsOf(line)) {
        const QStringView text = line.sliced(unit.start, unit.end - unit.start);
        const qsizetype length = Utf8Length(text);
        if (hasLetter && bytes + length > room) {
            lines << current;
            current = restatement(unit, text);
            bytes = Utf8Length(current);
            hasLetter = false;
        }
        current += text;
        bytes += length;
        hasLetter = hasLetter || unit.hasLetter;
    }
    lines << current;
    return lines;
}

QString IrcLineRest(QStringView line, qsizetype cut)
{
    for (const Unit &unit : unitsOf(line)) {
        if (unit.start == cut)
            return restatement(unit, line.sliced(cut, unit.end - cut)) + line.sliced(cut);
    }
    return line.sliced(cut).toString();
}
