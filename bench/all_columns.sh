# Sourced by the bench scripts (from the repository's root): all_columns_section prints the section of a
# configuration file that displays all eighteen property columns.
all_columns_section() {
    printf '[Proprietes]\r\n'
    for key in NomCourt Application Titre Auteur Sujet MotsCles Modele Commentaires DernierAuteur Revision \
               Pages Mots Caracteres Securite Cree DerniereSauvegarde DerniereImpression TempsEdition; do
        printf '%s=1\r\n' "$key"
    done
}
