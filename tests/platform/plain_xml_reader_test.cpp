#include "platform/byte_source.h"
#include "platform/xml_fields.h"
#include "platform/zip_archive.h"
#include "support/test_files.h"

#include <QDirIterator>
#include <gtest/gtest.h>

namespace {

std::string describe(const std::vector<XmlField> &fields)
{
    std::string out;
    for (const XmlField &field : fields) {
        out +=
            QStringLiteral("{%1}%2 in {%3}%4 [%5]")
                .arg(field.namespaceUri, field.name, field.parentNamespaceUri, field.parentName, field.text)
                .toStdString();
        for (const XmlAttribute &attribute : field.attributes.list) {
            out += QStringLiteral(" {%1}%2 (%3)=%4")
                       .arg(attribute.namespaceUri, attribute.name, attribute.qualifiedName, attribute.value)
                       .toStdString();
        }
        out += '\n';
    }
    return out;
}

// Reads `part` both ways at `depth`; expects the same fields, or the same refusal, whenever the plain
// reader decides. Returns what the plain reader made of it, and whether QXmlStreamReader read it.
std::pair<PlainXmlOutcome, bool> readBothWays(const QByteArray &part, int depth)
{
    std::vector<XmlField> plain;
    const PlainXmlOutcome outcome = readPlainXmlFields(part, depth, plain);
    std::vector<XmlField> reference;
    const bool read = readXmlFieldsWithStreamReader(part, depth, reference);
    if (outcome != PlainXmlOutcome::Unsure) {
        EXPECT_EQ(outcome == PlainXmlOutcome::Read, read);
        if (read) {
            EXPECT_EQ(describe(plain), describe(reference));
        }
    }
    return {outcome, read};
}

PlainXmlOutcome expectSameReading(const QByteArray &part, int depth)
{
    return readBothWays(part, depth).first;
}

} // namespace

// Every property part of the real and generated packages that QXmlStreamReader reads is read plainly,
// with the same fields.
TEST(PlainXmlFields, ReadsEveryPropertyPartOfTheCorpusAsTheStreamReaderDoes)
{
    int parts = 0;
    for (const QString &folder : {QStringLiteral("modern/real"), QStringLiteral("modern/generated")}) {
        QDirIterator files(testData(folder), QDir::Files);
        while (files.hasNext()) {
            const QByteArray file = readFile(files.next());
            MemoryByteSource source(file);
            ReadStatus status;
            const auto archive = ZipArchive::open(source, &status);
            if (!archive)
                continue;
            for (const char *name : {"_rels/.rels", "docProps/core.xml", "docProps/app.xml", "meta.xml"}) {
                QByteArray part;
                if (archive->read(name, &part) != ZipArchive::Member::Present)
                    continue;
                SCOPED_TRACE(files.fileName().toStdString() + " " + name);
                ++parts;
                for (int depth : {2, 3}) {
                    const auto [outcome, read] = readBothWays(part, depth);
                    if (read) {
                        EXPECT_EQ(outcome, PlainXmlOutcome::Read);
                    }
                }
            }
        }
    }
    EXPECT_GT(parts, 40);
}

// Each case is either read the same both ways or left to QXmlStreamReader; the ones marked plain must be
// read plainly.
TEST(PlainXmlFields, DecidesOnlyWhatItReadsExactly)
{
    const struct
    {
        const char *part;
        bool plain;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\" standalone='yes' ?>\n<r><a>1</a></r>", true},
        {"\xEF\xBB\xBF<r xmlns='u' xmlns:p=\"v\"><p:a p:x='&lt;&#x20AC;&#233;' "
         "y='2'>t&amp;<b>in</b>\t\n</p:a>"
         "<a/></r>",
         true},
        {"<r xmlns:p='v'><a xmlns:p='w' p:x='1'/><p:a xmlns=''/></r >", true},
        {"<r><a x='&#9;&#10;&#13;'>&#9;&#10;&#13;</a></r>", true},
        {"<?xpacket begin='\xEF\xBB\xBF' id='W5M'?><r><?pi?><a>1<?pi x ?>2</a></r>\n<?xpacket end='w'?>",
         true},
        {"<r><a xml:lang='fr'>\xC3\xA9\xF0\x9F\x98\x80</a></r>", true},
        {"<?xml version='1.0'?>\r\n<!-- c -->\r\n<r>\r\n<a\r\nx='1'>x\r\ny\rz<!--c-->w</a></r><!---->", true},
        // Refused by both: undeclared prefix, repeated attribute, ']]>', bad references, stray content.
        {"<r><p:a/></r>", false},
        {"<r xmlns:p='u' xmlns:q='u'><a p:x='1' q:x='2'/></r>", false},
        {"<r><a x='1' x='2'/></r>", false},
        {"<r><a>]]></a></r>", false},
        {"<r><a>&#0;&foo;</a></r>", false},
        {"<r><a>&#xFFFE;</a></r>", false},
        {"<r/><s/>", false},
        {"<r/>x", false},
        {"<r></s>", false},
        {"</r>", false},
        {"<r><a>", false},
        {"<r><a x='1'y='2'/></r>", false},
        {"<r xmlns:p=''/>", false},
        {"<?xml version='1.1'?><r/>", false},
        {"<r><a>\xC0\x80</a></r>", false},
        {"<r><a>\xEF\xBF\xBE</a></r>", false},
        {"<r><a>\xEF\xBB\xBF</a></r>", false},
        {"<r><a>\x01</a></r>", false},
        // Read by both, but left to QXmlStreamReader: line ends, attribute white space, other constructs.
        {"<r><a x='1\t2\r\n3'/></r>", false},
        {"<r><!-- a--b --></r>", false},
        {"<r><!-- a ---></r>", false},
        {"<r><a><![CDATA[<x>]]></a></r>", false},
        {"<r><?xml x?></r>", false},
        {"<r><?pi\x01?></r>", false},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><r><a>\xE9</a></r>", false},
        {"<!DOCTYPE r [<!ENTITY e 'x'>]><r><a>&e;</a></r>", false},
    };
    for (const auto &testCase : cases) {
        SCOPED_TRACE(testCase.part);
        for (int depth : {1, 2, 3}) {
            const PlainXmlOutcome outcome = expectSameReading(testCase.part, depth);
            if (testCase.plain) {
                EXPECT_EQ(outcome, PlainXmlOutcome::Read);
            }
        }
    }
}

// Depth and element limits refuse a part the way the stream reader does, without leaving it to it.
TEST(PlainXmlFields, RefusesPartsBeyondTheLimits)
{
    const QByteArray deep =
        QByteArray("<a>").repeated(kMaxXmlDepth + 1) + QByteArray("</a>").repeated(kMaxXmlDepth + 1);
    const QByteArray wide = "<r>" + QByteArray("<a/>").repeated(kMaxXmlElements) + "</r>";
    for (const QByteArray &part : {deep, wide})
        EXPECT_EQ(expectSameReading(part, 2), PlainXmlOutcome::Refused);
    EXPECT_EQ(expectSameReading(
                  QByteArray("<a>").repeated(kMaxXmlDepth) + QByteArray("</a>").repeated(kMaxXmlDepth), 2),
              PlainXmlOutcome::Read);
}
