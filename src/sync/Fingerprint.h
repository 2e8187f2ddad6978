#pragma once

#include <cstdint>
#include <string_view>

#include "data/Appointment.h"
#include "data/Person.h"
#include "data/Task.h"
#include "platform/Fnv1a.h"

namespace orvane::sync {

// What a record or a file was at the last sync, kept as its FNV-1a hash.
class Fingerprint {
public:
    void Add(std::string_view text);
    void Add(int64_t number);
    // Whole seconds: the database file keeps no more, so a reloaded date hashes the same.
    void Add(const PimDateTime& time);
    uint64_t Value() const { return m_hash; }

    static uint64_t Of(std::string_view text);
    // Every field but the ID, which differs between databases, and the dates that mean
    // nothing (an open task's done date, the alarm time of an appointment without alarm).
    static uint64_t Of(const Person& person);
    static uint64_t Of(const Task& task);
    static uint64_t Of(const Appointment& appointment);

private:
    void AddBytes(const void* data, size_t size);

    uint64_t m_hash = Fnv1a::kOffsetBasis;
};

}  // namespace orvane::sync
