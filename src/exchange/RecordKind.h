#pragma once

namespace orvane {

// The record type a transfer works on; the numbers are those the wizard pages use.
enum class RecordKind { Persons = 0, Tasks = 1, Appointments = 2 };

}  // namespace orvane
