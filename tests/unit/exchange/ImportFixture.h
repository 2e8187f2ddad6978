#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExchangeTestSupport.h"
#include "data/PimDocument.h"
#include "support/TestEnvironment.h"

namespace orvane::test {

// A document with one attached view, a fixed clock and a folder for import files.
class ImportFixture : public ::testing::Test {
protected:
    ImportFixture() { m_document.AttachView(&m_view); }
    ~ImportFixture() override { m_document.DetachView(&m_view); }

    int Import(RecordKind kind, const std::string& contents, std::vector<std::string> mapping,
               bool header = false, std::string separator = ",", std::string encloser = "'")
    {
        const std::string file = m_dir.File("in.csv");
        WriteFileBytes(file, contents);
        return Transfer::Import(m_document, kind,
                                ImportSettings(kind, file, std::move(mapping), header,
                                               std::move(separator), std::move(encloser)));
    }

    ScopedClock m_clock{2026, 3, 1, 9, 30, 0};
    ScratchFolder m_dir;
    PimDocument m_document;
    CountingView m_view;
};

}  // namespace orvane::test
