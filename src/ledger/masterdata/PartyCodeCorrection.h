#pragma once

#include <QString>
#include <optional>

struct Session;

// Renaming a third party's code (frmCorregirTercero). The rows that refer to the third
// party follow the new code as the schema's keys say; this changes TERCERO only.
class PartyCodeCorrection
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_corregirtercero");

    enum class Result {
        NotAllowed,
        Missing,  // a field is empty
        Refused,  // the new code is too short, or its RIF digit was not accepted
        Declined, // the user answered No
        Corrected,
        Failed, // the database refused it (the new code exists, the old one is gone)
    };

    explicit PartyCodeCorrection(Session &session, QString node = NodeCode);

    // The lookup of the current code, which shows the names.
    static QString LookupQuery();
    std::optional<QString> nameOf(const QString &code) const;

    Result CorregirTercero(const QString &currentCode, const QString &newCode);

private:
    Session &m_session;
    QString m_node;
};
