#include "exchange/ColumnMatch.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace orvane {

namespace {

// A field of the import table and the other headers that mean it, written as keys.
struct FieldHeaders {
    const char* field;
    std::initializer_list<const char*> keys;
};

// Besides each field's own name: the file's attribute names and the headers of common
// address-book exports. "Title" is left out: in address books it is "Mr." or "Dr.".
const FieldHeaders kPersonHeaders[] = {
    {"FirstName", {"fname", "first", "givenname", "forename"}},
    {"LastName", {"lname", "last", "surname", "familyname"}},
    {"Address1",
     {"addr1", "address", "street", "streetaddress", "homestreet", "homeaddress", "addressline1",
      "homeaddress1", "homestreet1", "address1street"}},
    {"Address2",
     {"addr2", "addressline2", "homestreet2", "homeaddress2", "address2street", "street2"}},
    {"City", {"town", "homecity", "address1city", "locality"}},
    {"State", {"province", "region", "homestate", "stateprovince", "address1region", "county"}},
    {"ZipCode",
     {"zip", "postalcode", "postcode", "homepostalcode", "homezipcode", "homezip",
      "address1postalcode"}},
    {"HomePhone", {"hmphone", "phone", "telephone", "phonenumber", "home", "hometelephone"}},
    {"WorkPhone",
     {"wkphone", "businessphone", "officephone", "work", "workphonenumber", "companymainphone",
      "businesstelephone"}},
    {"WorkExtension", {"wkext", "extension", "ext", "workext", "businessphoneextension"}},
    {"Fax", {"faxnumber", "businessfax", "homefax", "workfax"}},
    {"Pager", {"pagernumber", "beeper"}},
    {"CelPhone",
     {"cellphone", "mobile", "mobilephone", "cell", "mobilenumber", "cellular", "cellularphone"}},
    {"E-Mail",
     {"email", "emailaddress", "mail", "primaryemail", "email1", "email1value", "emailaddress1",
      "internetaddress"}},
    {"WebPage",
     {"website", "web", "homepage", "url", "webaddress", "personalwebpage", "businesswebpage",
      "webpage1", "website1value"}},
    {"Company", {"organization", "organisation", "companyname", "organization1name", "business"}},
    {"Position", {"jobtitle", "role", "organization1title", "profession"}},
    {"WhitePages", {}},
    {"YellowPages", {}},
    {"Notes", {"note", "comments", "comment", "remarks", "memo"}},
};

const FieldHeaders kTaskHeaders[] = {
    {"Task", {"description", "subject", "title", "summary", "todo", "name"}},
    {"DueDate", {"due", "deadline", "date", "dueon"}},
    {"Priority", {"importance"}},
};

const FieldHeaders kAppointmentHeaders[] = {
    {"Appointment", {"description", "subject", "title", "summary", "event", "what"}},
    {"Date", {"startdate", "day", "duedate", "eventdate"}},
    {"StartTime", {"start", "begin", "from", "starts"}},
    {"EndTime", {"end", "until", "to", "ends"}},
    {"Alarmed", {"alarm", "reminder", "reminderonoff", "alarmonoff"}},
    {"AlarmTime", {"remindertime", "alarmat", "reminderat"}},
};

std::span<const FieldHeaders> HeadersOf(RecordKind kind)
{
    switch (kind) {
        case RecordKind::Persons:
            return kPersonHeaders;
        case RecordKind::Tasks:
            return kTaskHeaders;
        case RecordKind::Appointments:
            return kAppointmentHeaders;
    }
    return {};
}

bool IsDropped(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || (c >= '!' && c <= '/') ||
           (c >= ':' && c <= '@') || (c >= '[' && c <= '`') || (c >= '{' && c <= '~');
}

}  // namespace

std::string ColumnMatch::Key(std::string_view header)
{
    std::string key;
    key.reserve(header.size());
    for (const char c : header) {
        if (!IsDropped(c)) {
            key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return key;
}

std::string ColumnMatch::FieldOf(RecordKind kind, std::string_view header)
{
    const std::string key = Key(header);
    if (key.empty()) {
        return {};
    }
    for (const FieldHeaders& entry : HeadersOf(kind)) {
        if (Key(entry.field) == key ||
            std::find(entry.keys.begin(), entry.keys.end(), key) != entry.keys.end()) {
            return entry.field;
        }
    }
    return {};
}

std::vector<std::string> ColumnMatch::Match(RecordKind kind,
                                            const std::vector<std::string>& headers)
{
    std::vector<std::string> fields;
    fields.reserve(headers.size());
    for (const std::string& header : headers) {
        std::string field = FieldOf(kind, header);
        if (std::find(fields.begin(), fields.end(), field) != fields.end()) {
            field.clear();
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

}  // namespace orvane
