#include "svg/SvgCss.h"
#include "svg/SvgXml.h"

#include <algorithm>
#include <utility>

#include "host/Utf.h"
#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

using Compound = StyleSheet::Compound;
using Selector = StyleSheet::Selector;
using AttributeTest = StyleSheet::AttributeTest;

// Longer chains are refused, which keeps the work of one match small.
constexpr std::size_t kMaxCompounds = 32;
// Far beyond what drawings hold; they keep a hostile sheet's memory small.
constexpr std::size_t kMaxSelectorLength = 4096;
constexpr std::size_t kMaxSelectors = 100000;
constexpr std::size_t kMaxDeclarations = 100000;
constexpr std::uint32_t kMaxCount = 1023;  // each part of a specificity stops here

constexpr std::size_t kEnd = std::string_view::npos;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return (lower >= 'a' && lower <= 'z') || IsDigit(c) || c == '-' || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

int HexValue(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return IsDigit(c) ? c - '0' : lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string Lowercase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Decodes the escape whose backslash is at text[at] ("\\.", "\\31 "); returns the index after it.
std::size_t ReadEscape(std::string_view text, std::size_t at, std::string& out)
{
    std::size_t i = at + 1;
    if (i >= text.size()) return i;
    std::uint32_t code = 0;
    std::size_t digits = 0;
    for (; i < text.size() && digits < 6 && HexValue(text[i]) >= 0; ++i, ++digits) code = code * 16 + HexValue(text[i]);
    if (digits == 0) {
        out += text[i];
        return i + 1;
    }
    if (i < text.size() && IsSpace(text[i])) i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
    if (code == 0 || code > 0x10FFFF) code = 0xFFFD;  // a lone surrogate becomes U+FFFD in the encoding
    std::u16string units(1, static_cast<char16_t>(code));
    if (code > 0xFFFF)
        units = {static_cast<char16_t>(0xD7C0 + (code >> 10)), static_cast<char16_t>(0xDC00 | (code & 0x3FF))};
    out += EncodeUtf8(units);
    return i;
}

// The index after the string whose quote is at text[at]. A line break ends an unclosed string, as in CSS.
std::size_t SkipString(std::string_view text, std::size_t at)
{
    std::size_t i = at + 1;
    while (i < text.size() && text[i] != text[at] && text[i] != '\n') i += text[i] == '\\' ? 2 : 1;
    return i < text.size() && text[i] == text[at] ? i + 1 : std::min(i, text.size());
}

// The text without its comments; "/*" inside a string is text.
std::string WithoutComments(std::string_view css)
{
    std::string plain;
    plain.reserve(css.size());
    for (std::size_t i = 0; i < css.size();) {
        if (css.compare(i, 2, "/*") == 0) {
            const std::size_t close = css.find("*/", i + 2);
            if (close == kEnd) break;
            i = close + 2;
            continue;
        }
        // A string is copied whole; an escaped quote opens none.
        const bool quote = css[i] == '"' || css[i] == '\'';
        const std::size_t end = quote ? SkipString(css, i) : std::min(i + (css[i] == '\\' ? 2 : 1), css.size());
        plain.append(css.substr(i, end - i));
        i = end;
    }
    return plain;
}

// The index of the first of stops at nesting depth 0 from `from` on (outside strings and (), [] and {} blocks),
// or text.size(). One pass and a counter, however deep the blocks nest.
std::size_t FindOutsideBlocks(std::string_view text, std::size_t from, std::string_view stops)
{
    std::size_t depth = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            i = SkipString(text, i) - 1;
        } else if (c == '\\') {
            ++i;
        } else if (depth == 0 && stops.find(c) != kEnd) {
            return i;
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return text.size();
}

// Calls visit with each piece between separators outside blocks, until it returns false.
template <typename Visit>
void ForEachPiece(std::string_view text, char separator, Visit visit)
{
    for (std::size_t from = 0;;) {
        const std::size_t end = FindOutsideBlocks(text, from, std::string_view(&separator, 1));
        if (!visit(text.substr(from, end - from)) || end >= text.size()) return;
        from = end + 1;
    }
}

bool IsPropertyName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), IsNameChar);
}

// Takes a trailing "!important" (any case, spaces after the "!" allowed) off value.
bool StripImportant(std::string_view& value)
{
    const std::size_t bang = value.rfind('!');
    if (bang == kEnd || Lowercase(Trim(value.substr(bang + 1))) != "important") return false;
    value = Trim(value.substr(0, bang));
    return true;
}

// At most `most` declarations.
std::vector<CssDeclaration> ParseDeclarations(std::string_view body, std::size_t most)
{
    std::vector<CssDeclaration> declarations;
    ForEachPiece(body, ';', [&](std::string_view piece) {
        if (declarations.size() == most) return false;
        const std::size_t colon = piece.find(':');
        if (colon == kEnd) return true;
        const std::string_view name = Trim(piece.substr(0, colon));
        std::string_view value = Trim(piece.substr(colon + 1));
        const bool important = StripImportant(value);
        if (IsPropertyName(name) && !value.empty())
            declarations.push_back({Lowercase(name), std::string(value), important});
        return true;
    });
    return declarations;
}

enum class Parsed { Kept, Unsupported, Invalid };

// One complex selector such as "g > rect.a[x] + path"; ends at the end of its text.
class SelectorParser {
public:
    explicit SelectorParser(std::string_view text) : fText(text) {}

    Parsed Parse(Selector& selector)
    {
        char combinator = ' ';
        SkipSpace();
        for (;;) {
            Compound compound;
            compound.combinator = combinator;
            if (!ReadCompound(compound)) return Parsed::Invalid;
            if (selector.compounds.size() < kMaxCompounds)
                selector.compounds.push_back(std::move(compound));
            else
                fUnsupported = true;
            const bool spaced = SkipSpace();
            if (fAt == fText.size()) break;
            if (Peek() == '>' || Peek() == '+' || Peek() == '~') {
                combinator = fText[fAt++];
                SkipSpace();
            } else if (spaced) {
                combinator = ' ';
            } else {
                return Parsed::Invalid;
            }
        }
        if (fUnsupported) return Parsed::Unsupported;
        std::size_t ids = 0, classes = 0, types = 0;
        for (const Compound& c : selector.compounds) {
            ids += c.ids.size();
            classes += c.classes.size() + c.attributes.size() + c.firstChild;
            types += !c.type.empty();
        }
        const auto part = [](std::size_t count, int shift) {
            return static_cast<std::uint32_t>(std::min<std::size_t>(count, kMaxCount) << shift);
        };
        selector.specificity = part(ids, 20) | part(classes, 10) | part(types, 0);
        return Parsed::Kept;
    }

private:
    char Peek(std::size_t ahead = 0) const { return fAt + ahead < fText.size() ? fText[fAt + ahead] : '\0'; }

    bool SkipSpace()
    {
        const std::size_t start = fAt;
        while (fAt < fText.size() && IsSpace(fText[fAt])) ++fAt;
        return fAt > start;
    }

    bool AtNameStart() const { return Peek() == '\\' || (IsNameChar(Peek()) && !IsDigit(Peek())); }

    // An identifier: name characters and escapes, not starting with a digit or "-" and a digit.
    bool ReadName(std::string& name)
    {
        name.clear();
        if (IsDigit(Peek()) || (Peek() == '-' && IsDigit(Peek(1)))) return false;
        while (fAt < fText.size()) {
            if (Peek() == '\\' && Peek(1) != '\n' && Peek(1) != '\0')
                fAt = ReadEscape(fText, fAt, name);
            else if (IsNameChar(Peek()))
                name += fText[fAt++];
            else
                break;
        }
        return !name.empty() && name != "-";
    }

    bool ReadString(std::string& value)
    {
        const char quote = fText[fAt++];
        value.clear();
        while (fAt < fText.size() && Peek() != quote && Peek() != '\n') {
            if (Peek() == '\\' && Peek(1) == '\n')
                fAt += 2;  // a continued line
            else if (Peek() == '\\')
                fAt = ReadEscape(fText, fAt, value);
            else
                value += fText[fAt++];
        }
        if (Peek() != quote) return false;
        ++fAt;
        return true;
    }

    // A namespace prefix ("ns|", "*|", "|") before a name: such names are refused.
    void SkipNamespace()
    {
        const std::size_t start = fAt;
        std::string prefix;
        if (Peek() == '*')
            ++fAt;
        else if (Peek() != '|')
            ReadName(prefix);
        if (Peek() == '|' && Peek(1) != '=') {
            ++fAt;
            fUnsupported = true;
        } else {
            fAt = start;
        }
    }

    bool ReadAttribute(AttributeTest& test)  // after the "["
    {
        SkipSpace();
        SkipNamespace();
        if (!ReadName(test.name)) return false;
        SkipSpace();
        if (Peek() == '=') {
            test.op = fText[fAt++];
        } else if (std::string_view("~|^$*").find(Peek()) != kEnd && Peek(1) == '=') {
            test.op = Peek();
            fAt += 2;
        }
        if (test.op != 0) {
            SkipSpace();
            if (!(Peek() == '"' || Peek() == '\'' ? ReadString(test.value) : ReadName(test.value))) return false;
            SkipSpace();
            std::string flag;  // "i" or "s", the case of the comparison
            if (AtNameStart() && ReadName(flag)) fUnsupported = true, SkipSpace();
        }
        if (Peek() != ']') return false;
        ++fAt;
        return true;
    }

    bool ReadPseudo(Compound& compound)  // after the ":"
    {
        const bool element = Peek() == ':';
        if (element) ++fAt;
        std::string name;
        if (!ReadName(name)) return false;
        if (Peek() == '(') {
            fAt = FindOutsideBlocks(fText, fAt + 1, ")");
            if (fAt == fText.size()) return false;
            ++fAt;
        } else if (!element && Lowercase(name) == "first-child") {
            compound.firstChild = true;
            return true;
        }
        fUnsupported = true;
        return true;
    }

    bool ReadCompound(Compound& compound)
    {
        bool any = false;
        if (Peek() == '*' || Peek() == '|' || AtNameStart()) {
            SkipNamespace();
            if (Peek() == '*')
                ++fAt;
            else if (!ReadName(compound.type))
                return false;
            any = true;
        }
        for (std::string name;; any = true) {
            if (Peek() == '#' || Peek() == '.') {
                const bool id = fText[fAt++] == '#';
                if (!ReadName(name)) return false;
                (id ? compound.ids : compound.classes).push_back(name);
            } else if (Peek() == '[') {
                ++fAt;
                compound.attributes.emplace_back();
                if (!ReadAttribute(compound.attributes.back())) return false;
            } else if (Peek() == ':') {
                ++fAt;
                if (!ReadPseudo(compound)) return false;
            } else {
                return any;
            }
        }
    }

    std::string_view fText;
    std::size_t fAt = 0;
    bool fUnsupported = false;
};

// Elements only: text, comments and the document node are no neighbours.
pugi::xml_node ParentElement(pugi::xml_node element)
{
    const pugi::xml_node parent = element.parent();
    return parent.type() == pugi::node_element ? parent : pugi::xml_node();
}

pugi::xml_node PreviousElement(pugi::xml_node element)
{
    for (pugi::xml_node sibling = element.previous_sibling(); sibling; sibling = sibling.previous_sibling())
        if (sibling.type() == pugi::node_element) return sibling;
    return pugi::xml_node();
}

template <typename Visit>
void ForEachWord(std::string_view text, Visit visit)
{
    for (std::size_t i = 0; i < text.size();) {
        while (i < text.size() && IsSpace(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsSpace(text[i])) ++i;
        if (i > start) visit(text.substr(start, i - start));
    }
}

bool HasWord(std::string_view text, std::string_view word)
{
    bool found = false;
    ForEachWord(text, [&](std::string_view each) { found = found || each == word; });
    return found;
}

bool Passes(const AttributeTest& test, std::string_view value)
{
    const std::string_view want = test.value;
    const bool starts = value.substr(0, want.size()) == want;
    switch (test.op) {
    case 0: return true;
    case '=': return value == want;
    case '~': return HasWord(value, want) && std::none_of(want.begin(), want.end(), IsSpace);
    case '|': return value == want || (starts && value.size() > want.size() && value[want.size()] == '-');
    case '^': return !want.empty() && starts;
    case '$': return !want.empty() && value.size() >= want.size() && value.substr(value.size() - want.size()) == want;
    case '*': return !want.empty() && value.find(want) != kEnd;
    default: return false;
    }
}

bool CompoundMatches(const Compound& compound, pugi::xml_node element)
{
    if (!compound.type.empty() && LocalNameOf(element) != compound.type) return false;
    const std::string_view id = element.attribute("id").value();
    for (const std::string& want : compound.ids)
        if (id != want) return false;
    const std::string_view classes = element.attribute("class").value();
    for (const std::string& want : compound.classes)
        if (!HasWord(classes, want)) return false;
    for (const AttributeTest& test : compound.attributes) {
        const pugi::xml_attribute attribute = element.attribute(test.name.c_str());
        if (!attribute || !Passes(test, attribute.value())) return false;
    }
    return !compound.firstChild || !PreviousElement(element);
}

// How a selector failed from one element on, so that the search stops where no other element can help: no
// earlier sibling (FailsSiblings), no earlier sibling nor any ancestor (FailsAll). This keeps matching to a few
// walks up the tree and along siblings instead of trying every choice of ancestors.
enum class Outcome { Matches, FailsHere, FailsSiblings, FailsAll };

Outcome MatchFrom(const Selector& selector, std::size_t index, pugi::xml_node element)
{
    const Compound& compound = selector.compounds[index];
    if (!CompoundMatches(compound, element)) return Outcome::FailsHere;
    if (index == 0) return Outcome::Matches;
    switch (compound.combinator) {
    case '>': {
        const pugi::xml_node parent = ParentElement(element);
        return parent ? MatchFrom(selector, index - 1, parent) : Outcome::FailsAll;
    }
    case '+': {
        const pugi::xml_node previous = PreviousElement(element);
        return previous ? MatchFrom(selector, index - 1, previous) : Outcome::FailsSiblings;
    }
    case '~':
        for (pugi::xml_node previous = PreviousElement(element); previous; previous = PreviousElement(previous)) {
            const Outcome outcome = MatchFrom(selector, index - 1, previous);
            if (outcome != Outcome::FailsHere) return outcome;
        }
        return Outcome::FailsSiblings;
    default:
        for (pugi::xml_node ancestor = ParentElement(element); ancestor; ancestor = ParentElement(ancestor)) {
            const Outcome outcome = MatchFrom(selector, index - 1, ancestor);
            if (outcome == Outcome::Matches || outcome == Outcome::FailsAll) return outcome;
        }
        return Outcome::FailsAll;
    }
}

}  // namespace

std::vector<CssDeclaration> ParseInlineStyle(std::string_view text)
{
    return ParseDeclarations(WithoutComments(text), kMaxDeclarations);
}

void StyleSheet::Add(std::string_view css)
{
    const std::string plain = WithoutComments(css);
    const std::string_view text = plain;
    for (std::size_t i = 0; i < text.size();) {
        if (IsSpace(text[i])) {
            ++i;
        } else if (text.compare(i, 4, "<!--") == 0 || text.compare(i, 3, "-->") == 0) {
            i += text[i] == '<' ? 4 : 3;  // markup around the sheet that old files carry
        } else if (text[i] == '@') {
            const std::size_t end = FindOutsideBlocks(text, i, ";{");
            i = end < text.size() && text[end] == '{' ? FindOutsideBlocks(text, end + 1, "}") + 1 : end + 1;
            ++fSkipped;
        } else {
            const std::size_t open = FindOutsideBlocks(text, i, "{");
            const std::size_t close = open < text.size() ? FindOutsideBlocks(text, open + 1, "}") : text.size();
            if (open < text.size())
                AddRule(Trim(text.substr(i, open - i)), text.substr(open + 1, close - open - 1));
            else
                ++fSkipped;  // a selector without a block
            i = close + 1;
        }
    }
}

void StyleSheet::AddRule(std::string_view prelude, std::string_view body)
{
    std::vector<Selector> kept;
    bool refused = false;  // an invalid selector, or one past the sheet's limit
    ForEachPiece(prelude, ',', [&](std::string_view text) {
        text = Trim(text);
        Selector selector;
        const Parsed parsed =
            text.size() > kMaxSelectorLength ? Parsed::Unsupported : SelectorParser(text).Parse(selector);
        refused = parsed == Parsed::Invalid || fSelectors.size() + kept.size() == kMaxSelectors;
        if (parsed == Parsed::Kept && !refused) kept.push_back(std::move(selector));
        return !refused;
    });
    if (refused || kept.empty()) {
        ++fSkipped;
        return;
    }
    const auto rule = static_cast<std::uint32_t>(fRules.size());
    fRules.push_back(ParseDeclarations(body, kMaxDeclarations - fDeclarations));
    fDeclarations += fRules.back().size();
    for (Selector& selector : kept) {
        const Compound& key = selector.compounds.back();
        std::vector<std::uint32_t>& bucket = !key.ids.empty()       ? fById[key.ids.front()]
                                             : !key.classes.empty() ? fByClass[key.classes.front()]
                                             : !key.type.empty()    ? fByType[key.type]
                                                                    : fUniversal;
        bucket.push_back(static_cast<std::uint32_t>(fSelectors.size()));
        selector.rule = rule;
        fSelectors.push_back(std::move(selector));
    }
}

StyleSheet::Matched StyleSheet::Match(pugi::xml_node element) const
{
    Matched matched;
    if (element.type() != pugi::node_element || fSelectors.empty()) return matched;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> hits;  // (specificity, rule)
    const auto consider = [&](const std::vector<std::uint32_t>& candidates) {
        for (const std::uint32_t index : candidates) {
            const Selector& selector = fSelectors[index];
            if (MatchFrom(selector, selector.compounds.size() - 1, element) == Outcome::Matches)
                hits.emplace_back(selector.specificity, selector.rule);
        }
    };
    std::string key;
    const auto lookUp = [&](const Buckets& buckets, std::string_view name) {
        if (buckets.empty() || name.empty()) return;
        key.assign(name);
        const auto found = buckets.find(key);
        if (found != buckets.end()) consider(found->second);
    };
    lookUp(fById, element.attribute("id").value());
    ForEachWord(element.attribute("class").value(), [&](std::string_view name) { lookUp(fByClass, name); });
    lookUp(fByType, LocalNameOf(element));
    consider(fUniversal);

    // A rule matching through several of its selectors (or a class named twice) counts once, at its highest.
    std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second < b.second : a.first > b.first;
    });
    hits.erase(std::unique(hits.begin(), hits.end(), [](const auto& a, const auto& b) { return a.second == b.second; }),
               hits.end());
    std::sort(hits.begin(), hits.end());
    for (const auto& hit : hits)
        for (const CssDeclaration& declaration : fRules[hit.second])
            (declaration.important ? matched.important : matched.normal).push_back(declaration);
    return matched;
}

}  // namespace host::svg
