#include "platform/xmp_properties.h"

#include <gtest/gtest.h>

namespace {

QByteArray packet(const QByteArray &description, const QByteArray &attributes = {})
{
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
           "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" " +
           attributes + ">" + description + "</rdf:Description></rdf:RDF></x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

} // namespace

TEST(XmpProperties, ReadsEachPropertyByItsRule)
{
    const DocumentProperties p = readXmpProperties(
        packet("<dc:title><rdf:Alt><rdf:li xml:lang=\"fr-FR\">Titre</rdf:li>"
               "<rdf:li xml:lang=\"x-default\">Title &amp; more</rdf:li></rdf:Alt></dc:title>"
               "<dc:description><rdf:Alt><rdf:li xml:lang=\"de\">Betreff</rdf:li><rdf:li "
               "xml:lang=\"en\">Subject</rdf:li>"
               "</rdf:Alt></dc:description>"
               "<dc:creator><rdf:Seq><rdf:li>Ada Lovelace</rdf:li><rdf:li>Charles "
               "Babbage</rdf:li></rdf:Seq></dc:creator>"
               "<dc:subject><rdf:Bag><rdf:li>un</rdf:li><rdf:li>deux</rdf:li></rdf:Bag></dc:subject>"
               "<xmp:CreateDate>2019-11-05T08:00:00+01:00</xmp:CreateDate>"
               "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Second title</rdf:li></rdf:Alt></dc:title>",
               "xmp:CreatorTool=\"Outil \xC3\xA9\" xmp:ModifyDate=\"2019-11-06\""));
    EXPECT_EQ(p.text(2), QStringLiteral("Title & more"));
    EXPECT_EQ(p.text(3), QStringLiteral("Betreff"));
    EXPECT_EQ(p.text(4), QStringLiteral("Ada Lovelace; Charles Babbage"));
    EXPECT_EQ(p.text(5), QStringLiteral("un, deux"));
    EXPECT_EQ(p.text(18), QStringLiteral("Outil é"));
    EXPECT_EQ(p.date(12)->time, QDateTime(QDate(2019, 11, 5), QTime(7, 0), Qt::UTC));
    EXPECT_EQ(p.date(13)->time, QDateTime(QDate(2019, 11, 6), QTime(0, 0), Qt::UTC));
    EXPECT_FALSE(p.date(12)->isWallClock);

    // pdf:Keywords wins over dc:subject; an empty item is an empty value, an empty list none.
    const DocumentProperties q = readXmpProperties(packet(
        "<dc:subject><rdf:Bag><rdf:li>a</rdf:li></rdf:Bag></dc:subject><pdf:Keywords>k1, k2</pdf:Keywords>"
        "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\"/></rdf:Alt></dc:title>"
        "<dc:creator><rdf:Seq/></dc:creator>"));
    EXPECT_EQ(q.text(5), QStringLiteral("k1, k2"));
    EXPECT_EQ(q.text(2), QString());
    EXPECT_EQ(q.text(4), std::nullopt);
}

TEST(XmpProperties, RefusesHostilePackets)
{
    const QByteArray title = "<dc:title><rdf:Alt><rdf:li>T</rdf:li></rdf:Alt></dc:title>";
    const QByteArray deep = QByteArray("<a>").repeated(1000000) + QByteArray("</a>").repeated(1000000);
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"entity expansion",
         "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>" + packet(title)},
        {"external entity", "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>" +
                                packet("<dc:title><rdf:Alt><rdf:li>&e;</rdf:li></rdf:Alt></dc:title>")},
        {"undeclared entity", packet("<dc:title><rdf:Alt><rdf:li>&e;</rdf:li></rdf:Alt></dc:title>")},
        {"a million nested elements", packet(title + deep)},
        {"not well-formed", packet(title + "<dc:creator>")},
        {"invalid UTF-8", packet(title + "<pdf:Keywords>\xC3\x28</pdf:Keywords>")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(readXmpProperties(c.bytes).isEmpty());
    }
    // Padding after the packet's root element does not matter.
    EXPECT_EQ(readXmpProperties(packet(title) + QByteArray(64, '\0')).text(2), QStringLiteral("T"));
}
