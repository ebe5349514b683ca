#pragma once

#include <QString>
#include <optional>
#include <vector>

struct Session;

// A product line and the sales account its sales post to (CUENTACONTABLELINEA).
struct ProductLine
{
    QString code;        // CodigoLinea
    QString name;        // Nombre
    QString account;     // CodigoContable
    QString accountName; // as listed

    bool operator==(const ProductLine &) const = default;
};

// The product-line accounts used by the point-of-sale interfaces: listing, adding, changing
// and deleting lines. Rights on the window's node are checked here; refusals and failures
// are told through the session's prompter.
class ProductLineAccounts
{
public:
    static inline const QString NodeCode = QStringLiteral("mnu_cuentascategorias");
    // The lines as the window's grid lists them, headed for the user.
    static inline const QString ListStatement = QStringLiteral(
        "SELECT CodigoLinea AS \"Línea\", CUENTACONTABLELINEA.Nombre AS \"Nombre\", "
        "CUENTACONTABLE.Codigo AS \"Cuenta\", CUENTACONTABLE.Nombre AS \"Nombre de la cuenta\" "
        "FROM CUENTACONTABLELINEA INNER JOIN CUENTACONTABLE ON CUENTACONTABLE.Codigo = "
        "CUENTACONTABLELINEA.CodigoContable ORDER BY CUENTACONTABLELINEA.Nombre");
    // Sales accounts a line may post to; bind the typed text + "%".
    static inline const QString SalesAccountList = QStringLiteral(
        "SELECT CC.Codigo, CC.Nombre FROM CUENTACONTABLE CC WHERE CC.Codigo LIKE ? "
        "AND CC.Codigo LIKE '4135%' AND CC.Consolidacion = 0 AND LENGTH(CC.Codigo) = 9 "
        "ORDER BY CC.Codigo");
    static inline const QString CodeBlank = QStringLiteral("¡Codigo no puede estar en blanco!");
    static inline const QString NameBlank = QStringLiteral("¡Nombre no puede estar en blanco!");
    static inline const QString Duplicate = QStringLiteral("¡La línea ya existe!");

    enum class Field { Code, Name, Account };
    enum class Result { Saved, Invalid, NotAllowed, Failed };
    struct Outcome
    {
        Result result = Result::Failed;
        std::optional<Field> field; // where the refusal points, when Invalid
    };

    explicit ProductLineAccounts(Session &session, QString node = NodeCode);

    // Every line with its account's name, by line name.
    std::vector<ProductLine> list() const;
    // The name of a sales account a line may take; nullopt when the code is not one.
    std::optional<QString> salesAccountName(const QString &code) const;

    // A new line: inserted without an account and given it by the update that follows, in
    // one transaction.
    Outcome add(const ProductLine &line);
    // A new line written with its account at once (the small dialog).
    Outcome addDirect(const ProductLine &line);
    // The name and account of an existing line.
    Outcome update(const ProductLine &line);
    // True when the line was deleted.
    bool remove(const QString &code);

private:
    enum class Mode { New, Direct, Existing };
    Outcome save(const ProductLine &line, Mode mode);
    std::optional<Field> check(const ProductLine &line, bool isNew) const;

    Session &m_session;
    QString m_node;
};
