#include "platform/pdf_page_count.h"

#include <qpdf/QPDF.hh>
#include <set>
#include <vector>

std::optional<qint64> countPdfPages(QPDF &pdf)
{
    QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages");
    if (!pages.isDictionary())
        return std::nullopt;
    // Every page is an object in use of its own: there are fewer pages than objects.
    qint64 objects = qint64(pdf.getXRefTable().size());
    QPDFObjectHandle declaredSize = pdf.getTrailer().getKey("/Size");
    if (declaredSize.isInteger())
        objects = std::min(objects, declaredSize.getIntValue());
    QPDFObjectHandle declaredCount = pages.getKey("/Count");
    if (declaredCount.isInteger() && declaredCount.getIntValue() >= 0 &&
        declaredCount.getIntValue() < objects)
        return declaredCount.getIntValue();

    const qint64 limit = std::min(objects, kPdfMaxPageNodes);
    std::set<QPDFObjGen> visited;
    std::vector<QPDFObjectHandle> pending{pages};
    qint64 nodes = 0;
    qint64 leaves = 0;
    while (!pending.empty()) {
        QPDFObjectHandle node = pending.back();
        pending.pop_back();
        if (++nodes > limit)
            return std::nullopt;
        if (node.isIndirect() && !visited.insert(node.getObjGen()).second)
            continue;
        if (!node.isDictionary())
            continue;
        QPDFObjectHandle kids = node.getKey("/Kids");
        if (!kids.isArray()) {
            ++leaves;
            continue;
        }
        const int count = kids.getArrayNItems();
        if (qint64(pending.size()) + count > limit)
            return std::nullopt;
        for (int i = 0; i < count; ++i)
            pending.push_back(kids.getArrayItem(i));
    }
    return leaves;
}
