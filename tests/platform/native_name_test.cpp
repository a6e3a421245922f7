#include "platform/native_name.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(NativeName, KeepsEveryByteAndShowsRawOnesAsReplacementCharacters)
{
    const struct
    {
        QByteArray bytes;
        QString shown;
    } cases[] = {
        {"rapport.doc", u"rapport.doc"_s},
        {"r\xC3\xA9sum\xC3\xA9.doc", u"résumé.doc"_s},
        {"r\xE9sum\xE9.doc", u"r\uFFFDsum\uFFFD.doc"_s},                               // Windows-1252 bytes
        {"\xC0\xAF", u"\uFFFD\uFFFD"_s},                                               // overlong "/"
        {"\xED\xB3\xA9", u"\uFFFD\uFFFD\uFFFD"_s},                                     // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"_s},                           // above U+10FFFF
        {"abc\xE2\x82", u"abc\uFFFD\uFFFD"_s},                                         // cut short at the end
        {"\xF0\x9F\x92\xA9\xE9", QString::fromUtf8("\xF0\x9F\x92\xA9") + u"\uFFFD"_s}, // pair ending in DCA9
        {"\xFF\xFE/\x80", u"\uFFFD\uFFFD/\uFFFD"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.toHex().constData());
        const QString native = fromNativeBytes(c.bytes);
        EXPECT_EQ(nativeBytes(native), c.bytes);
        EXPECT_EQ(displayName(native), c.shown);
        EXPECT_EQ(hasRawBytes(native), !QByteArrayView(c.bytes).isValidUtf8());
        // A path built from native parts gives the parts' bytes.
        EXPECT_EQ(nativeBytes(native + u'/' + native), c.bytes + '/' + c.bytes);
    }
}
