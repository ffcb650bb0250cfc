# Sourced by the install and package checks: every file the install step puts
# under the prefix, relative to it, for the desktop id $1.
installed_files() {
    echo bin/pattaro
    echo bin/pattaro-cli
    echo share/pattaro/pattaro.sha256
    echo "share/applications/$1.desktop"
    echo "share/metainfo/$1.metainfo.xml"
    echo share/man/man1/pattaro.1.gz
    echo share/man/man1/pattaro-cli.1.gz
    echo share/doc/pattaro/copyright
    echo share/doc/pattaro/changelog.gz
    echo share/doc/pattaro/regex-dialect.md
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x$size/apps/$1.png"
    done
    echo "share/icons/hicolor/scalable/apps/$1.svg"
}
