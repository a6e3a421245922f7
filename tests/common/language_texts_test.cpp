#include "common/language_texts.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char *what;
    QString actual;
    const char *expected;
};

void expectTexts(const std::vector<TextCase> &cases)
{
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.actual, QString::fromUtf8(c.expected));
    }
}

} // namespace

TEST(LanguageTexts, MessagesAreExact)
{
    const MessageTexts fr = messageTexts(1);
    const MessageTexts en = messageTexts(0);
    expectTexts({
        {"fr forbidden", fr.renameForbidden,
         "Un nom de fichier ne peut contenir l'un des caractères suivants: \\ / : * ? \" < > |"},
        {"en forbidden", en.renameForbidden,
         "Forbidden characters in the new file name: \\ / : * ? \" < > |"},
        {"fr unknown", fr.unknownDirectory, "Répertoire inconnu:"},
        {"en running", en.programAlreadyRunning, "Program already running"},
        {"fr running", fr.programAlreadyRunning, "Programme déjà lancé"},
        {"language 2 running", messageTexts(2).programAlreadyRunning, "Programa já activo"},
        {"language 2 otherwise English", messageTexts(2).noGridInList, "No grid in the list"},
        {"fr html", fr.htmlImpossible, "Impossible de créer un tableau HTML"},
        {"fr not listed", fr.gridNotListed,
         "Le tableau affiché n'est pas présent dans la liste des tableaux"},
        {"en not listed", en.gridNotListed, "The displayed grid is not in the list of grids"},
    });
}

TEST(LanguageTexts, CountLabels)
{
    expectTexts({
        {"0 files fr", fileCountText(0, 1), "0 fichiers"},
        {"1 file fr", fileCountText(1, 1), "1 fichier"},
        {"1 file en", fileCountText(1, 0), "1 file"},
        {"2 files en", fileCountText(2, 0), "2 files"},
        {"1 document", documentCountText(1, false, 1), "1 document"},
        {"0 documents", documentCountText(0, false, 0), "0 documents"},
        {"interrupted en", documentCountText(12, true, 0), "12 documents (interrupted)"},
        {"interrupted fr", documentCountText(1, true, 1), "1 document (interrompu)"},
        {"selected fr", selectedDocumentCountText(1, 1), "1 document sélectionné"},
        {"selected fr many", selectedDocumentCountText(0, 1), "0 documents sélectionnés"},
        {"selected en many", selectedDocumentCountText(12, 0), "12 selected documents"},
    });
}
