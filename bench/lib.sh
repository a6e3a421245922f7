# Sourced by the bench scripts, from the repository's root.

# Prints the section of a configuration file that displays all eighteen property columns.
all_columns_section() {
    printf '[Proprietes]\r\n'
    for key in NomCourt Application Titre Auteur Sujet MotsCles Modele Commentaires DernierAuteur Revision \
               Pages Mots Caracteres Securite Cree DerniereSauvegarde DerniereImpression TempsEdition; do
        printf '%s=1\r\n' "$key"
    done
}

# Stops the script unless each program given is built.
require_built() {
    for program in "$@"; do
        [ -x "$program" ] || { echo "build $program first" >&2; exit 2; }
    done
}

# Sets `work` to a new scratch directory, removed when the script ends.
make_work_dir() {
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}
