#pragma once

#include "platform/document_properties.h"
#include "platform/read_status.h"

#include <QByteArray>
#include <optional>

class ByteSource;

// The two kinds of zip package that hold summary properties.
enum class PackageFormat { OfficeOpenXml, OpenDocument };

// Reads the summary properties of a zip package, recognised by its content, never by its name:
// - Office Open XML when it has a root relationships part (_rels/.rels): the core and extended
//   properties parts it names; without that part, docProps/core.xml and docProps/app.xml when present;
// - OpenDocument when it has a "mimetype" member or META-INF/manifest.xml: meta.xml.
// Values come from every property part that reads; a part that is missing, damaged or refused gives none.
// Nothing, with `status`: OtherFormat for a file that is not a zip archive or a zip of neither kind,
// NoSummary for a package without property parts, Damaged for a broken archive or a package whose
// property parts are all unreadable, Unreadable when the source fails. `format` is set to the package
// kind when it was recognised (whatever the status), to nothing otherwise (a broken archive included).
// Reads the file's last 64 KB once (all of a file up to 64 KB), then only the members it needs; a property
// part that declares more than kMaxXmlPartSize is not inflated.
std::optional<DocumentProperties> readPackageProperties(ByteSource &source,
                                                        std::optional<PackageFormat> *format = nullptr,
                                                        ReadStatus *status = nullptr);
// The same over the bytes of a whole file in memory.
std::optional<DocumentProperties> readPackageProperties(const QByteArray &wholeFile,
                                                        std::optional<PackageFormat> *format = nullptr,
                                                        ReadStatus *status = nullptr);
