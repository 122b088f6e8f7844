#include "sources/Tables.h"

const QStringList& BitrateTable() {
    static const QStringList table{"64", "80", "96", "112", "128", "160", "192", "224", "256", "320", "384"};
    return table;
}

const QStringList& VideoFormatTable() {
    static const QStringList table{"MPEG1", "MPEG2", "MPV1", "MPV2"};
    return table;
}

const QStringList& AudioFormatTable() {
    static const QStringList table{"MPA1/2", "AC3"};
    return table;
}

const QStringList& LanguageTable() {
    static const QStringList table{
        "AA", "AB", "AF", "AM", "AR", "AS", "AY", "AZ", "BA", "BE", "BG", "BH", "BI", "BN", "BO", "BR", "CA",
        "CO", "CS", "CY", "DA", "DE", "DZ", "EL", "EN", "EO", "ES", "ET", "EU", "FA", "FI", "FJ", "FO", "FR",
        "FY", "GA", "GD", "GL", "GN", "GU", "HA", "HI", "HR", "HU", "HY", "IA", "IE", "IK", "IN", "IS", "IT",
        "IW", "JA", "JI", "JV", "KA", "KK", "KL", "KM", "KN", "KO", "KS", "KU", "KY", "LA", "LN", "LO", "LT",
        "LV", "MG", "MI", "MK", "ML", "MN", "MO", "MR", "MS", "MT", "MY", "NA", "NE", "NL", "NO", "OC", "OM",
        "OR", "PA", "PL", "PS", "PT", "QU", "RM", "RN", "RO", "RU", "RW", "SA", "SD", "SG", "SH", "SI", "SK",
        "SL", "SM", "SN", "SO", "SQ", "SR", "SS", "ST", "SU", "SV", "SW", "TA", "TE", "TG", "TH", "TI", "TK",
        "TL", "TN", "TO", "TR", "TS", "TT", "TW", "UK", "UR", "UZ", "VI", "VO", "WO", "XH", "YO", "ZH", "ZU"};
    return table;
}

QString TableText(const QStringList& table, int code, const QString& fallback) {
    return code >= 0 && code < table.size() ? table[code] : fallback;
}
