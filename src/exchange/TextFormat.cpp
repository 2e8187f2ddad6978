#include "exchange/TextFormat.h"

namespace orvane {

const std::vector<TextFormat::Choice>& TextFormat::SeparatorChoices()
{
    static const std::vector<Choice> choices = {
        {"Comma(,)", ","}, {"Semi-colon(;)", ";"}, {"Pipe(|)", "|"}, {"Space", " "}, {"Tab", "\t"},
    };
    return choices;
}

const std::vector<TextFormat::Choice>& TextFormat::EncloserChoices()
{
    static const std::vector<Choice> choices = {
        {"Double Quote(\")", "\""},
        {"Single Quote(')", "'"},
        {"Nothing", ""},
    };
    return choices;
}

const char* TextFormat::FirstLineHasNamesLabel()
{
    return "First line of document contains field names";
}

}  // namespace orvane
