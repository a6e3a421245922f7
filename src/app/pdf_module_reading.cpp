#include "app/program_directory.h"
#include "platform/pdf_reading.h"

#include <cstdio>
#include <dlfcn.h>
#include <mutex>

// The module sits beside the program in a build, and in the private library directory when installed
// (FICHORAMA_PDF_MODULE: its path relative to the directory of this program). It is loaded once, by
// the first reader that meets a PDF file, and stays loaded.
PdfPropertiesReader pdfPropertiesReader()
{
    static std::once_flag once;
    static PdfPropertiesReader reader = nullptr;
    std::call_once(once, [] {
        const QByteArray directory = programDirectory();
        const QByteArray candidates[] = {directory + "/fichorama-pdf.so",
                                         directory + "/" FICHORAMA_PDF_MODULE};
        QByteArray failure = "the program's directory cannot be read";
        for (const QByteArray &module : candidates) {
            if (directory.isEmpty())
                break;
            void *handle = ::dlopen(module.constData(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                failure = ::dlerror();
                continue;
            }
            using Entry = PdfPropertiesReader (*)();
            if (const auto entry = reinterpret_cast<Entry>(::dlsym(handle, "fichoramaPdfPropertiesReader"))) {
                reader = entry();
                return;
            }
            failure = module + ": no entry point";
        }
        std::fprintf(stderr, "fichorama: PDF files cannot be read: %s\n", failure.constData());
    });
    return reader;
}
