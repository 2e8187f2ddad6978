#include "interop/PersonCard.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "interop/Ascii.h"
#include "interop/PropertyTally.h"
#include "interop/VCardReader.h"
#include "interop/VCardText.h"

namespace orvane::interop {

namespace {

using Slot = PersonCard::Slot;

constexpr const char* kListingName = "X-ORVANE-LISTING";

// What a property is to a person; Card for those that describe the card itself.
enum class Known { Other, Card, N, FN, ORG, TITLE, NOTE, UID, Listing, TEL, EMAIL, URL, ADR };

Known KnownAs(const std::string& name)
{
    static const std::unordered_map<std::string_view, Known> kNames = {
        {"VERSION", Known::Card},
        {"PRODID", Known::Card},
        {"REV", Known::Card},
        {"X-ABLABEL", Known::Card},
        {"KIND", Known::Card},
        {"PROFILE", Known::Card},
        {"N", Known::N},
        {"FN", Known::FN},
        {"ORG", Known::ORG},
        {"TITLE", Known::TITLE},
        {"NOTE", Known::NOTE},
        {"UID", Known::UID},
        {kListingName, Known::Listing},
        {"TEL", Known::TEL},
        {"EMAIL", Known::EMAIL},
        {"URL", Known::URL},
        {"ADR", Known::ADR},
    };
    const auto it = kNames.find(name);
    return it == kNames.end() ? Known::Other : it->second;
}

std::string Trimmed(std::string_view text)
{
    text = Ascii::Trim(text);
    while (!text.empty() && text.back() == ',') {
        text = Ascii::Trim(text.substr(0, text.size() - 1));
    }
    return std::string(text);
}

// Line breaks as the editor stores them.
std::string WithPlainLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

enum PhoneKind { kHome, kWork, kCell, kPagerKind, kFaxKind, kUntyped, kPhoneKinds };

constexpr Slot kPhoneSlots[] = {Slot::kHomePhone, Slot::kWorkPhone, Slot::kCellPhone, Slot::kPager,
                                Slot::kFax};

PhoneKind KindOf(const VCardProperty& tel)
{
    if (tel.HasType("fax")) {
        return kFaxKind;
    }
    if (tel.HasType("pager")) {
        return kPagerKind;
    }
    if (tel.HasType("cell") || tel.HasType("mobile") || tel.HasType("iphone")) {
        return kCell;
    }
    if (tel.HasType("work")) {
        return kWork;
    }
    return tel.HasType("home") ? kHome : kUntyped;
}

// The phone field of a slot, for a person or a const person.
template <class P>
auto& PhoneField(P& p, Slot slot)
{
    switch (slot) {
        case Slot::kHomePhone:
            return p.HmPhone;
        case Slot::kWorkPhone:
            return p.WkPhone;
        case Slot::kCellPhone:
            return p.CelPhone;
        case Slot::kPager:
            return p.Pager;
        default:
            return p.Fax;
    }
}

std::string PhoneValue(const VCardProperty& tel)
{
    std::string text = Trimmed(tel.Text());
    while (Ascii::StartsWithLetters(text, "tel:")) {
        text = Trimmed(std::string_view(text).substr(4));
    }
    return text;
}

// Where an extension begins in a number's text (lower case): the marker and the first
// character after it.
struct ExtensionMarker {
    size_t at = std::string::npos;
    size_t after = std::string::npos;
};

// The last marker of the first kind found: ";ext=" (tel: addresses), "ext", "ext." or
// "ext:" as a word of its own, or " x" before nothing but digits.
ExtensionMarker FindExtensionMarker(const std::string& lower)
{
    if (const size_t at = lower.rfind(";ext="); at != std::string::npos) {
        return {at, at + 5};
    }
    for (size_t at = lower.rfind("ext"); at != std::string::npos;
         at = at == 0 ? std::string::npos : lower.rfind("ext", at - 1)) {
        const char next = at + 3 < lower.size() ? lower[at + 3] : '\0';
        if ((at == 0 || lower[at - 1] == ' ') &&
            (next == '.' || next == ':' || next == ' ' || (next >= '0' && next <= '9'))) {
            const size_t after = lower.find_first_not_of(".: ", at + 3);
            return {at, after == std::string::npos ? lower.size() : after};
        }
    }
    const size_t at = lower.rfind(" x");
    if (at != std::string::npos && at + 2 < lower.size() &&
        lower.find_first_not_of("0123456789", at + 2) == std::string::npos) {
        return {at, at + 2};
    }
    return {};
}

bool HasExtensionMarker(std::string_view text)
{
    return FindExtensionMarker(Ascii::Lower(text)).at != std::string::npos;
}

std::string FormattedName(const Person& p)
{
    std::string name = p.FName;
    if (!p.LName.empty()) {
        name += (name.empty() ? "" : " ") + p.LName;
    }
    return name.empty() ? p.Company : name;
}

std::string WorkPhoneText(const Person& p)
{
    if (p.WkExt.empty()) {
        return p.WkPhone;
    }
    return p.WkPhone.empty() ? "ext. " + p.WkExt : p.WkPhone + " ext. " + p.WkExt;
}

// What a card from another program gives: the White Pages, and the Yellow Pages for an
// organisation.
bool HasDerivedListing(const Person& p)
{
    return p.WhitePages == 1 && p.YellowPages == (p.Company.empty() ? 0 : 1);
}

std::string ListingText(const Person& p)
{
    if (p.WhitePages && p.YellowPages) {
        return "WHITE,YELLOW";
    }
    return p.WhitePages ? "WHITE" : p.YellowPages ? "YELLOW" : "NONE";
}

// The field values a slot stands for, to tell whether a record changed them.
std::vector<std::string> SlotValues(const Person& p, Slot slot)
{
    switch (slot) {
        case Slot::kName:
            return {p.FName, p.LName};
        case Slot::kFormattedName:
            return {FormattedName(p)};
        case Slot::kOrganisation:
            return {p.Company};
        case Slot::kTitle:
            return {p.Position};
        case Slot::kHomePhone:
            return {p.HmPhone};
        case Slot::kWorkPhone:
            return {p.WkPhone, p.WkExt};
        case Slot::kCellPhone:
            return {p.CelPhone};
        case Slot::kPager:
            return {p.Pager};
        case Slot::kFax:
            return {p.Fax};
        case Slot::kEmail:
            return {p.EMail};
        case Slot::kWebPage:
            return {p.WebPage};
        case Slot::kAddress:
            return {p.Addr1, p.Addr2, p.City, p.State, p.Zip};
        case Slot::kNote:
            return {p.Notes};
        case Slot::kListing:
            return {ListingText(p)};
        default:
            return {p.UID};
    }
}

VCardVersion VersionOf(const VCard& card)
{
    if (card.version == "2.1") {
        return VCardVersion::V21;
    }
    return card.version == "4.0" ? VCardVersion::V40 : VCardVersion::V30;
}

std::string DefaultParameters(Slot slot, VCardVersion version)
{
    const char* types = nullptr;
    switch (slot) {
        case Slot::kHomePhone:
            types = "HOME,VOICE";
            break;
        case Slot::kWorkPhone:
            types = "WORK,VOICE";
            break;
        case Slot::kCellPhone:
            types = "CELL";
            break;
        case Slot::kPager:
            types = "PAGER";
            break;
        case Slot::kFax:
            types = "FAX";
            break;
        case Slot::kEmail:
            types = version == VCardVersion::V40 ? nullptr : "INTERNET";
            break;
        default:
            break;
    }
    if (!types) {
        return {};
    }
    if (version == VCardVersion::V21) {
        std::string bare = std::string(";") + types;
        std::replace(bare.begin(), bare.end(), ',', ';');
        return bare;
    }
    return ";TYPE=" + (version == VCardVersion::V40 ? Ascii::Lower(types) : std::string(types));
}

// The parameters of a property being rewritten, without those that described the old value's
// encoding.
std::string KeptParameters(const VCardProperty& old, VCardVersion version)
{
    std::string text;
    for (const VCardParameter& parameter : old.parameters) {
        if (parameter.name == "ENCODING" || parameter.name == "CHARSET" ||
            parameter.name == "VALUE") {
            continue;
        }
        text += ';';
        if (version == VCardVersion::V21 && parameter.name == "TYPE") {
            text += parameter.value;
            continue;
        }
        text += parameter.name + '=';
        const bool quote = parameter.value.find_first_of(":;,") != std::string::npos;
        text += quote ? '"' + parameter.value + '"' : parameter.value;
    }
    return text;
}

// A structured value: the given components escaped, the rest of the old value's kept.
std::string Components(const VCardWriter& writer, const std::vector<const std::string*>& given,
                       size_t total, const VCardProperty* old)
{
    std::vector<std::string_view> kept;
    if (old) {
        kept = VCardText::Split(old->value, ';');
    }
    std::string value;
    for (size_t i = 0; i < total; ++i) {
        if (i > 0) {
            value += ';';
        }
        if (i < given.size() && given[i]) {
            std::string scratch;
            writer.AppendEscaped(value, VCardText::Utf8(*given[i], scratch), true);
        } else if (i < kept.size()) {
            value += kept[i];
        }
    }
    return value;
}

void WriteSlot(VCardWriter& writer, VCardVersion version, Slot slot, const Person& p,
               const VCardProperty* old)
{
    const std::string group = old ? old->group : std::string();
    const std::string parameters =
        old ? KeptParameters(*old, version) : DefaultParameters(slot, version);
    const auto text = [&](const char* name, const std::string& value) {
        if (!value.empty()) {
            std::string scratch;
            writer.Text(group, name, parameters, VCardText::Utf8(value, scratch));
        }
    };
    const std::string empty;
    switch (slot) {
        case Slot::kName:
            writer.Raw(group, "N", parameters, Components(writer, {&p.LName, &p.FName}, 5, old));
            return;
        case Slot::kFormattedName: {
            std::string scratch;
            writer.Text(group, "FN", parameters, VCardText::Utf8(FormattedName(p), scratch));
            return;
        }
        case Slot::kOrganisation:
            if (!p.Company.empty()) {
                writer.Raw(group, "ORG", parameters, Components(writer, {&p.Company}, 1, old));
            }
            return;
        case Slot::kAddress: {
            const bool any = !(p.Addr1 + p.Addr2 + p.City + p.State + p.Zip).empty();
            if (any || (old && old->Text().find_first_not_of(';') != std::string::npos)) {
                const size_t total =
                    old ? std::max<size_t>(7, VCardText::Split(old->value, ';').size()) : 7;
                writer.Raw(
                    group, "ADR", parameters,
                    Components(writer, {nullptr, &p.Addr2, &p.Addr1, &p.City, &p.State, &p.Zip},
                               total, old));
            }
            return;
        }
        case Slot::kTitle:
            return text("TITLE", p.Position);
        case Slot::kWorkPhone:
            return text("TEL", WorkPhoneText(p));
        case Slot::kEmail:
            return text("EMAIL", p.EMail);
        case Slot::kWebPage:
            return text("URL", p.WebPage);
        case Slot::kNote:
            return text("NOTE", p.Notes);
        case Slot::kListing:
            return text(kListingName, ListingText(p));
        case Slot::kUid:
            return text("UID", p.UID);
        default:
            return text("TEL", PhoneField(p, slot));
    }
}

// Candidates for one field: a preferred one first, then in the order of the card.
int Best(const VCard& card, std::vector<int>& candidates)
{
    std::stable_sort(candidates.begin(), candidates.end(), [&](int a, int b) {
        return card.properties[static_cast<size_t>(a)].PreferenceRank() <
               card.properties[static_cast<size_t>(b)].PreferenceRank();
    });
    return candidates.empty() ? -1 : candidates.front();
}

class CardMapper {
public:
    CardMapper(const VCard& card, PropertyTally* unmapped) : m_card(card), m_unmapped(unmapped)
    {
        m_reading.source.fill(-1);
    }

    PersonCard::Reading Run()
    {
        for (size_t i = 0; i < m_card.properties.size(); ++i) {
            Take(static_cast<int>(i), m_card.properties[i]);
        }
        AssignPhones();
        AssignFirst(m_emails, Slot::kEmail, "EMAIL", m_reading.person.EMail);
        AssignFirst(m_urls, Slot::kWebPage, "URL", m_reading.person.WebPage);
        AssignAddress();
        Finish();
        if (m_unmapped && m_card.dropped > 0) {
            m_unmapped->Add("lines over the limits", m_card.dropped);
        }
        return m_reading;
    }

private:
    void Count(const std::string& name)
    {
        if (m_unmapped) {
            m_unmapped->Add(name);
        }
    }

    // The first property of a slot takes it; later ones are counted.
    bool Claim(Slot slot, int index, const std::string& name)
    {
        if (m_reading.source[slot] >= 0) {
            Count(name);
            return false;
        }
        m_reading.source[slot] = index;
        return true;
    }

    void Take(int index, const VCardProperty& property)
    {
        const std::string& name = property.name;
        const Known known = KnownAs(name);
        if (property.binary || known == Known::Other) {
            Count(name);
            return;
        }
        if (known == Known::Card || property.value.empty()) {
            return;
        }
        switch (known) {
            case Known::TEL:
                return m_phones[KindOf(property)].push_back(index);
            case Known::EMAIL:
                return m_emails.push_back(index);
            case Known::URL:
                return m_urls.push_back(index);
            case Known::ADR:
                return m_addresses.push_back(index);
            default:
                return TakeSingle(known, index, property);
        }
    }

    // Properties of which the first one counts.
    void TakeSingle(Known known, int index, const VCardProperty& property)
    {
        static const std::unordered_map<Known, Slot> kSlots = {
            {Known::N, Slot::kName},           {Known::FN, Slot::kFormattedName},
            {Known::ORG, Slot::kOrganisation}, {Known::TITLE, Slot::kTitle},
            {Known::NOTE, Slot::kNote},        {Known::UID, Slot::kUid},
            {Known::Listing, Slot::kListing},
        };
        if (!Claim(kSlots.at(known), index, property.name)) {
            return;
        }
        Person& p = m_reading.person;
        if (known == Known::N || known == Known::ORG) {
            const auto parts = property.Components();
            (known == Known::N ? p.LName : p.Company) = Trimmed(parts[0]);
            if (known == Known::N) {
                p.FName = parts.size() > 1 ? Trimmed(parts[1]) : "";
            }
            CountParts(parts, known == Known::N ? 2 : 1,
                       known == Known::N ? "N parts" : "ORG parts");
        } else if (known == Known::NOTE) {
            p.Notes = WithPlainLineBreaks(property.Text());
        } else if (known == Known::Listing) {
            const std::string listing = Ascii::Lower(property.Text());
            p.WhitePages = listing.find("white") != std::string::npos ? 1 : 0;
            p.YellowPages = listing.find("yellow") != std::string::npos ? 1 : 0;
            m_reading.listingGiven = true;
        } else {
            std::string text = Trimmed(property.Text());
            (known == Known::FN      ? m_formattedName
             : known == Known::TITLE ? p.Position
                                     : p.UID) = std::move(text);
        }
    }

    void CountParts(const std::vector<std::string>& parts, size_t from, const char* name)
    {
        for (size_t i = from; i < parts.size(); ++i) {
            if (!Trimmed(parts[i]).empty()) {
                Count(name);
                return;
            }
        }
    }

    // The best candidate takes the slot; the others are counted.
    void Choose(std::vector<int>& candidates, Slot slot, const char* name)
    {
        const int best = Best(m_card, candidates);
        for (int index : candidates) {
            if (index == best) {
                m_reading.source[slot] = index;
            } else {
                Count(name);
            }
        }
    }

    const VCardProperty& Source(Slot slot) const
    {
        return m_card.properties[static_cast<size_t>(m_reading.source[slot])];
    }

    void AssignFirst(std::vector<int>& candidates, Slot slot, const char* name, std::string& field)
    {
        Choose(candidates, slot, name);
        if (m_reading.source[slot] >= 0) {
            field = Trimmed(Source(slot).Text());
        }
    }

    void AssignPhones()
    {
        for (int kind = kHome; kind < kUntyped; ++kind) {
            Choose(m_phones[kind], kPhoneSlots[kind], "TEL");
        }
        // A number without a type fills the home number, then the work number.
        std::vector<int>& untyped = m_phones[kUntyped];
        Best(m_card, untyped);
        for (int index : untyped) {
            if (m_reading.source[Slot::kHomePhone] < 0) {
                m_reading.source[Slot::kHomePhone] = index;
            } else if (m_reading.source[Slot::kWorkPhone] < 0) {
                m_reading.source[Slot::kWorkPhone] = index;
            } else {
                Count("TEL");
            }
        }
        Person& p = m_reading.person;
        for (Slot slot : kPhoneSlots) {
            if (m_reading.source[slot] >= 0) {
                PhoneField(p, slot) = PhoneValue(Source(slot));
            }
        }
        if (m_reading.source[Slot::kWorkPhone] >= 0) {
            const std::string work = p.WkPhone;
            PersonCard::SplitExtension(work, p.WkPhone, p.WkExt);
        }
    }

    void AssignAddress()
    {
        const int best = Best(m_card, m_addresses);
        for (int index : m_addresses) {
            if (index != best) {
                Count("ADR");
                continue;
            }
            m_reading.source[Slot::kAddress] = index;
            auto parts = m_card.properties[static_cast<size_t>(index)].Components();
            parts.resize(std::max<size_t>(parts.size(), 7));
            Person& p = m_reading.person;
            // A street of several lines continues in the second address line.
            const std::string street = WithPlainLineBreaks(parts[2]);
            const size_t lineBreak = street.find('\n');
            p.Addr1 = Trimmed(street.substr(0, lineBreak));
            p.Addr2 = Trimmed(parts[1]);
            if (lineBreak != std::string::npos) {
                std::string rest = Trimmed(street.substr(lineBreak + 1));
                std::replace(rest.begin(), rest.end(), '\n', ' ');
                p.Addr2 = p.Addr2.empty() ? rest : p.Addr2 + ", " + rest;
            }
            p.City = Trimmed(parts[3]);
            p.State = Trimmed(parts[4]);
            p.Zip = Trimmed(parts[5]);
            if (!Trimmed(parts[0]).empty() || !Trimmed(parts[6]).empty()) {
                Count("ADR parts");
            }
        }
    }

    void Finish()
    {
        Person& p = m_reading.person;
        // A card without a name of its own is named by its FN or, failing that, its e-mail.
        if (p.FName.empty() && p.LName.empty()) {
            if (!m_formattedName.empty() && m_formattedName != p.Company) {
                p.FName = m_formattedName;
            } else if (p.Company.empty()) {
                p.FName = p.EMail;
            }
        }
        if (!m_reading.listingGiven) {
            p.WhitePages = 1;
            p.YellowPages = p.Company.empty() ? 0 : 1;
        }
        p.RName = p.GetDisplayName();
        m_reading.empty = true;
        for (size_t slot = 0; slot < Slot::kListing; ++slot) {
            for (const std::string& value : SlotValues(p, static_cast<Slot>(slot))) {
                m_reading.empty = m_reading.empty && value.empty();
            }
        }
    }

    const VCard& m_card;
    PropertyTally* m_unmapped;
    PersonCard::Reading m_reading;
    std::string m_formattedName;
    std::vector<int> m_phones[kPhoneKinds];
    std::vector<int> m_emails, m_urls, m_addresses;
};

}  // namespace

PersonCard::Reading PersonCard::Read(const VCard& card, PropertyTally* unmapped)
{
    return CardMapper(card, unmapped).Run();
}

std::optional<PersonCard::Reading> PersonCard::ReadText(std::string_view text,
                                                        PropertyTally* unmapped)
{
    VCardReader reader(text);
    VCard card;
    if (!reader.Next(card)) {
        return std::nullopt;
    }
    return Read(card, unmapped);
}

void PersonCard::Write(std::string& out, const Person& person, VCardVersion version)
{
    VCardWriter writer(out, version);
    writer.Begin();
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        if (slot == kListing && HasDerivedListing(person)) {
            continue;
        }
        WriteSlot(writer, version, static_cast<Slot>(slot), person, nullptr);
    }
    writer.End();
}

std::string PersonCard::Update(std::string_view original, const Person& person)
{
    VCardReader reader(original);
    VCard card;
    std::string out;
    if (!reader.Next(card)) {
        Write(out, person, VCardVersion::V30);
        return out;
    }
    const Reading old = Read(card, nullptr);
    const VCardVersion version = VersionOf(card);
    std::array<std::string, kSlotCount> replacement;
    std::array<bool, kSlotCount> changed{};
    for (size_t i = 0; i < kSlotCount; ++i) {
        const auto slot = static_cast<Slot>(i);
        changed[i] = SlotValues(old.person, slot) != SlotValues(person, slot);
        if (slot == kListing && old.source[i] < 0) {
            changed[i] = !HasDerivedListing(person) && changed[i];
        }
        if (changed[i]) {
            VCardWriter writer(replacement[i], version);
            const int source = old.source[i];
            WriteSlot(writer, version, slot, person,
                      source >= 0 ? &card.properties[static_cast<size_t>(source)] : nullptr);
        }
    }
    const std::string_view text = card.text;
    size_t insertAt = card.properties.empty() ? text.find('\n') + 1 : card.properties.back().end;
    size_t pos = 0;
    for (size_t index = 0; index < card.properties.size(); ++index) {
        const auto slot = std::find(old.source.begin(), old.source.end(), static_cast<int>(index));
        const size_t i = static_cast<size_t>(slot - old.source.begin());
        if (slot == old.source.end() || !changed[i]) {
            continue;
        }
        const VCardProperty& property = card.properties[index];
        out.append(text.substr(pos, property.begin - pos)).append(replacement[i]);
        pos = property.end;
    }
    out.append(text.substr(pos, insertAt - pos));
    for (size_t i = 0; i < kSlotCount; ++i) {
        if (changed[i] && old.source[i] < 0) {
            out += replacement[i];
        }
    }
    out.append(text.substr(insertAt));
    return out;
}

void PersonCard::KeepStored(const Person& stored, Person& incoming, bool listingGiven)
{
    if (!listingGiven) {
        incoming.WhitePages = stored.WhitePages;
        incoming.YellowPages = stored.YellowPages;
    }
    if (WithPlainLineBreaks(stored.Notes) == incoming.Notes) {
        incoming.Notes = stored.Notes;
    }
}

void PersonCard::SplitExtension(std::string_view text, std::string& number, std::string& extension)
{
    number = Trimmed(text);
    extension.clear();
    const ExtensionMarker marker = FindExtensionMarker(Ascii::Lower(text));
    if (marker.at == std::string::npos || marker.after >= text.size()) {
        return;
    }
    std::string before = Trimmed(text.substr(0, marker.at));
    std::string after = Trimmed(text.substr(marker.after));
    // Only a split that "number ext. extension" gives back is taken, so that a card written
    // and read again says the same; any other text stays one number.
    if (after.empty() || HasExtensionMarker(before) || HasExtensionMarker(after)) {
        return;
    }
    number = std::move(before);
    extension = std::move(after);
}

}  // namespace orvane::interop
