#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvane::test {

// poppler-utils on the command line: page count and text of a PDF file. Tests skip when
// the tools are not installed.
class PdfTools {
public:
    static bool Available()
    {
        return std::system("pdfinfo -v >/dev/null 2>&1") == 0 &&
               std::system("pdftotext -v >/dev/null 2>&1") == 0;
    }

    // The "Pages:" line of pdfinfo; -1 when the file is not a readable PDF.
    static int Pages(const std::string& path)
    {
        const std::string info = Run("pdfinfo '" + path + "' 2>/dev/null");
        const size_t at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
    }

    // The text line by line as laid out on the page; pages end with a form feed.
    static std::string Text(const std::string& path)
    {
        return Run("pdftotext -layout '" + path + "' - 2>/dev/null");
    }

private:
    static std::string Run(const std::string& command)
    {
        std::string output;
        if (FILE* pipe = popen(command.c_str(), "r")) {
            char buffer[4096];
            size_t read = 0;
            while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
                output.append(buffer, read);
            }
            pclose(pipe);
        }
        return output;
    }
};

}  // namespace orvane::test
