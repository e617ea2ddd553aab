#include <gtest/gtest.h>

#include <string>

#include "entry/utf16_units.h"

namespace selvaris {
namespace {

TEST(Utf16Units, CountsAndMalformedBytes) {
    struct Case {
        std::string utf8;
        std::u16string units;
    };
    const Case cases[] = {
        {"", u""},
        {"1.5-2i", u"1.5-2i"},
        {"\xC3\xA9", u"\u00E9"},
        {"\xEF\xBC\x91", u"\uFF11"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},              // a surrogate pair
        {"\xFF", u"\uFFFD"},                               // not a lead byte
        {"\x80" "1", u"\uFFFD1"},                          // a lone continuation byte
        {"\xE3\x81" "1", u"\uFFFD\uFFFD1"},               // a cut sequence
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                    // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},          // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.utf8.size()) + " bytes");
        EXPECT_EQ(Utf16Units(c.utf8), c.units);
    }
}

}  // namespace
}  // namespace selvaris
