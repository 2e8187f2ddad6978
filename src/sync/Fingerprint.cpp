#include "sync/Fingerprint.h"

#include <cmath>

#include "platform/Fnv1a.h"

namespace orvane::sync {

void Fingerprint::AddBytes(const void* data, size_t size)
{
    m_hash = Fnv1a::Of(std::string_view(static_cast<const char*>(data), size), m_hash);
}

void Fingerprint::Add(std::string_view text)
{
    Add(static_cast<int64_t>(text.size()));  // "ab"+"c" and "a"+"bc" differ
    AddBytes(text.data(), text.size());
}

void Fingerprint::Add(int64_t number)
{
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(static_cast<uint64_t>(number) >> (8 * i));
    }
    AddBytes(bytes, sizeof bytes);
}

void Fingerprint::Add(const PimDateTime& time)
{
    Add(static_cast<int64_t>(std::llround(time.Value() * 86400.0)));
}

uint64_t Fingerprint::Of(std::string_view text)
{
    return Fnv1a::Of(text);
}

uint64_t Fingerprint::Of(const Person& p)
{
    Fingerprint f;
    for (const std::string* field :
         {&p.FName, &p.LName,    &p.RName, &p.Company, &p.Position, &p.Addr1, &p.Addr2,
          &p.City,  &p.State,    &p.Zip,   &p.HmPhone, &p.WkPhone,  &p.WkExt, &p.Fax,
          &p.Pager, &p.CelPhone, &p.EMail, &p.WebPage, &p.Notes,    &p.UID}) {
        f.Add(*field);
    }
    f.Add(static_cast<int64_t>(p.WhitePages));
    f.Add(static_cast<int64_t>(p.YellowPages));
    return f.Value();
}

uint64_t Fingerprint::Of(const Task& t)
{
    Fingerprint f;
    f.Add(t.Description);
    f.Add(static_cast<int64_t>(t.Priority));
    f.Add(t.DueDate);
    if (t.IsCompleted()) {  // the file keeps no done date for an open task
        f.Add(t.DoneDate);
    }
    f.Add(t.UID);
    return f.Value();
}

uint64_t Fingerprint::Of(const Appointment& a)
{
    Fingerprint f;
    f.Add(a.Description);
    f.Add(a.DueDate);
    f.Add(a.StartTime);
    f.Add(a.EndTime);
    f.Add(static_cast<int64_t>(a.Alarm));
    if (a.Alarm) {  // nor an alarm time without an alarm
        f.Add(a.AlarmTime);
    }
    f.Add(static_cast<int64_t>(a.Done));
    f.Add(a.UID);
    return f.Value();
}

}  // namespace orvane::sync
