// The Tag suite on the host's current document. Tag values are kept as text; "real" tags travel as the
// edition's PDReal, so the suite is served once per precision.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "host/NumberText.h"
#include "host/Utf.h"
#include "pendrake/PDTag.h"

namespace host {
namespace {

const char* const kTypes[] = {"string", "integer", "real", "boolean"};

// The host's copy of a known type name, null for others.
const char* KnownType(const char* type)
{
    for (const char* known : kTypes)
        if (std::strcmp(type, known) == 0) return known;
    return nullptr;
}

// Text handed out to plug-ins stays where it is until its tag changes: the model's own strings move when the
// tag list of an object grows or shrinks, so the host hands out copies in nodes that do not move.
class HandedOutTexts {
public:
    const char* Value(const Document& document, uint64_t serial, const Tag& tag)
    {
        Use(document);
        std::string& text = fValues[{serial, tag.name}];
        if (text != tag.value) text = tag.value;
        return text.c_str();
    }
    const char* Name(const Document& document, uint64_t serial, const std::string& name)
    {
        Use(document);
        return fNames.insert({serial, name}).first->second.c_str();
    }
    const char* Type(const std::string& type) { return fTypes.insert(type).first->c_str(); }

private:
    // Another document's serials name other objects; the texts of objects that went are dropped now and then.
    void Use(const Document& document)
    {
        if (&document != fDocument) {
            fValues.clear();
            fNames.clear();
            fDocument = &document;
        }
        if (fValues.size() + fNames.size() < fPruneAt) return;
        auto dead = [&](const Key& key) { return !document.Find(key.first); };
        for (auto it = fValues.begin(); it != fValues.end();) it = dead(it->first) ? fValues.erase(it) : std::next(it);
        for (auto it = fNames.begin(); it != fNames.end();) it = dead(*it) ? fNames.erase(it) : std::next(it);
        fPruneAt = std::max<std::size_t>(1024, 2 * (fValues.size() + fNames.size()));
    }

    using Key = std::pair<uint64_t, std::string>;
    const Document* fDocument = nullptr;
    std::map<Key, std::string> fValues;
    std::set<Key> fNames;
    std::set<std::string> fTypes;
    std::size_t fPruneAt = 1024;
};

HandedOutTexts gTexts;

template <typename Real>
std::string RealText(Real value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The text of a tag value of a known type; false for a real that is not a finite number.
template <typename Real>
bool ValueText(const char* type, const void* value, std::string& text)
{
    if (std::strcmp(type, "string") == 0) {
        text = static_cast<const char*>(value);
    } else if (std::strcmp(type, "integer") == 0) {
        int32_t number = 0;
        std::memcpy(&number, value, sizeof number);
        text = std::to_string(number);
    } else if (std::strcmp(type, "real") == 0) {
        Real number = 0;
        std::memcpy(&number, value, sizeof number);
        if (!AllFinite(number)) return false;
        text = RealText(number);
    } else {
        ZBBoolean flag = 0;
        std::memcpy(&flag, value, sizeof flag);
        text = flag ? "true" : "false";
    }
    return true;
}

// Stores the tag's value at value as its type says; kBadFormatErr when the kept text is not of that type.
template <typename Real>
ZBErr StoreValue(const Document& document, const Art& art, const Tag& tag, void* value)
{
    if (tag.type == "string") {
        const char* text = gTexts.Value(document, art.serial, tag);
        std::memcpy(value, &text, sizeof text);
    } else if (tag.type == "integer") {
        int32_t number = 0;
        if (!ParseDecimalInteger(tag.value, number)) return kBadFormatErr;
        std::memcpy(value, &number, sizeof number);
    } else if (tag.type == "real") {
        double number = 0;
        if (!ParseDecimalReal(tag.value, number) || !FitsReal<Real>(number)) return kBadFormatErr;
        const Real narrowed = ToReal<Real>(number);
        std::memcpy(value, &narrowed, sizeof narrowed);
    } else {
        ZBBoolean flag = 0;
        if (tag.value == "true" || tag.value == "1")
            flag = 1;
        else if (tag.value != "false" && tag.value != "0")
            return kBadFormatErr;
        std::memcpy(value, &flag, sizeof flag);
    }
    return kNoErr;
}

Tag* FindTag(Art& art, const char* name)
{
    for (Tag& tag : art.tags)
        if (tag.name == name) return &tag;
    return nullptr;
}

template <typename Real>
ZBErr SetTag(PDArtHandle art, const char* name, const char* type, const void* value)
{
    return WithArt("SetTag", art, [&](Host&, Document&, Art& object) {
        if (!name || !*name || !type || !value || !KnownType(type)) return kBadParameterErr;
        std::string text;
        if (!ValueText<Real>(type, value, text)) return kBadParameterErr;
        // Saved in a file that says it is UTF-8: other bytes are refused here rather than changed there.
        if (!IsValidUtf8(name) || !IsValidUtf8(text)) return kBadParameterErr;
        if (Tag* tag = FindTag(object, name)) {
            tag->type = type;
            tag->value = std::move(text);
        } else {
            object.tags.push_back({name, type, std::move(text)});
        }
        return kNoErr;
    });
}

template <typename Real>
ZBErr GetTag(PDArtHandle art, const char* name, const char* type, void* value)
{
    return WithArt("GetTag", art, [&](Host&, Document& document, Art& object) {
        if (!name || !type || !KnownType(type)) return kBadParameterErr;
        const Tag* tag = FindTag(object, name);
        if (!tag) return kNoSuchKeyErr;
        if (tag->type != type) return kWrongTypeErr;
        return value ? StoreValue<Real>(document, object, *tag, value) : kNoErr;
    });
}

ZBErr GetTagType(PDArtHandle art, const char* name, const char** type)
{
    return WithArt("GetTagType", art, [&](Host&, Document&, Art& object) {
        if (!name || !type) return kBadParameterErr;
        const Tag* tag = FindTag(object, name);
        if (!tag) return kNoSuchKeyErr;
        const char* known = KnownType(tag->type.c_str());
        *type = known ? known : gTexts.Type(tag->type);
        return kNoErr;
    });
}

ZBErr CountTags(PDArtHandle art, int32_t* count)
{
    return WithArt("CountTags", art, [&](Host&, Document&, Art& object) {
        if (!count) return kBadParameterErr;
        constexpr std::size_t kMax = static_cast<std::size_t>(std::numeric_limits<int32_t>::max());
        *count = static_cast<int32_t>(std::min(object.tags.size(), kMax));
        return kNoErr;
    });
}

ZBErr GetNthTag(PDArtHandle art, int32_t n, const char** name)
{
    return WithArt("GetNthTag", art, [&](Host&, Document& document, Art& object) {
        if (!name || n < 0 || static_cast<std::size_t>(n) >= object.tags.size()) return kBadParameterErr;
        *name = gTexts.Name(document, object.serial, object.tags[static_cast<std::size_t>(n)].name);
        return kNoErr;
    });
}

ZBErr RemoveTag(PDArtHandle art, const char* name)
{
    return WithArt("RemoveTag", art, [&](Host&, Document&, Art& object) {
        if (!name) return kBadParameterErr;
        for (auto it = object.tags.begin(); it != object.tags.end(); ++it) {
            if (it->name == name) {
                object.tags.erase(it);
                return kNoErr;
            }
        }
        return kNoSuchKeyErr;
    });
}

template <typename Real>
const PDTagSuite4 kTagSuite = {SetTag<Real>, GetTag<Real>, GetTagType, CountTags, GetNthTag, RemoveTag};

}  // namespace

void OfferTagSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDTagSuite, kPDTagSuiteVersion4, &kTagSuite<double>);
    registry.Offer(kPDTagSuite, kPDTagSuiteVersion1003, &kTagSuite<float>);
}

}  // namespace host
