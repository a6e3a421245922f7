#pragma once

#include <QByteArray>
#include <QStringView>
#include <optional>

// The zip member names of the property parts that a package's root relationships name; empty when none.
struct PropertyPartNames
{
    QByteArray core;     // core properties (docProps/core.xml as usually written)
    QByteArray extended; // extended properties (docProps/app.xml)
};

// Reads the root relationships part (_rels/.rels). For each kind of property part, a relationship of
// the standard type (transitional or strict spelling) wins over a look-alike whose type only ends like
// one; among equals the first counts. External targets are skipped. Nothing when the part is refused
// (see collectXmlFields).
std::optional<PropertyPartNames> readPropertyRelationships(const QByteArray &rels);

// The member name of a target relative to the package root ("docProps/core.xml", "/docProps/core.xml",
// "./docProps/a%20b.xml"): percent-decoded, dot segments resolved, without a leading "/". Empty when it
// is an absolute URI or leaves the package.
QByteArray packagePartName(QStringView target);
