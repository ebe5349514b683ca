#include "vouchers/entry/AssetRegister.h"

#include "platform/Db.h"

namespace {

QDate dateOf(const QVariant &v)
{
    if (v.isNull())
        return {};
    return v.typeId() == QMetaType::QDate ? v.toDate()
                                          : QDate::fromString(v.toString().left(10), Qt::ISODate);
}

QVariant dateOrNull(QDate d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType(QMetaType::QDate));
}

} // namespace

AssetRegister::AssetRegister(Db &db, QString company, QString headOffice)
    : m_db(db)
    , m_company(std::move(company))
    , m_headOffice(std::move(headOffice))
{
}

QString AssetRegister::catalog()
{
    return QStringLiteral("SELECT Serial, CodigoCategoria, TipoActivo, Marca, Modelo, FechaAdq, "
                          "FechaDep, MesDepreciacion, Descripcion, Status FROM ACTIVOFIJO "
                          "WHERE Empresa = ? AND Matriz = ? AND Serial <> '*' AND Status = 1 "
                          "ORDER BY Serial");
}

std::vector<std::pair<int, QString>> AssetRegister::categories(Db &db)
{
    std::vector<std::pair<int, QString>> result;
    QSqlQuery q = db.run(QStringLiteral("SELECT Codigo, Nombre FROM CATEGORIAACTIVO ORDER BY Nombre"));
    while (q.next())
        result.emplace_back(q.value(0).toInt(), q.value(1).toString());
    return result;
}

std::optional<AssetData> AssetRegister::find(const QString &serial, bool *active) const
{
    const auto rows = m_db.rows(
        QStringLiteral("SELECT Serial, CodigoCategoria, Marca, Modelo, FechaAdq, FechaDep, "
                       "MesDepreciacion, Descripcion, Status FROM ACTIVOFIJO WHERE Serial = ? "
                       "AND Empresa = ? AND Matriz = ? AND Serial <> '*'"),
        {serial.trimmed(), m_company, m_headOffice});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    AssetData a;
    a.serial = r.value(0).toString().trimmed();
    a.categoria = r.value(1).toInt();
    a.marca = r.value(2).toString();
    a.modelo = r.value(3).toString();
    a.fechaAdq = dateOf(r.value(4));
    a.fechaDep = dateOf(r.value(5));
    a.mesesDepreciacion = r.value(6).toInt();
    a.descripcion = r.value(7).toString();
    a.existing = true;
    if (active)
        *active = r.value(8).toInt() == 1;
    return a;
}

void AssetRegister::recordLine(const QString &account, const AssetData &asset)
{
    const QString serial = asset.serial.trimmed();
    switch (asset.movement) {
    case AssetMovement::Purchase:
        if (m_db.exec(QStringLiteral("UPDATE ACTIVOFIJO SET TipoActivo = ?, CodigoCategoria = ?, "
                                     "Marca = ?, Modelo = ?, FechaAdq = ?, FechaDep = ?, "
                                     "MesDepreciacion = ?, Descripcion = ?, Status = 1 "
                                     "WHERE Serial = ? AND Empresa = ? AND Matriz = ?"),
                      {account, asset.categoria, asset.marca, asset.modelo,
                       dateOrNull(asset.fechaAdq), dateOrNull(asset.fechaDep),
                       asset.mesesDepreciacion, asset.descripcion, serial, m_company,
                       m_headOffice}) == 0)
            m_db.exec(QStringLiteral("INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, "
                                     "CodigoCategoria, Marca, Modelo, FechaAdq, FechaDep, "
                                     "MesDepreciacion, Descripcion, Status) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1)"),
                      {serial, m_company, m_headOffice, account, asset.categoria, asset.marca,
                       asset.modelo, dateOrNull(asset.fechaAdq), dateOrNull(asset.fechaDep),
                       asset.mesesDepreciacion, asset.descripcion});
        break;
    case AssetMovement::Retirement:
        m_db.exec(QStringLiteral("UPDATE ACTIVOFIJO SET Status = 0 WHERE Serial = ? "
                                 "AND Empresa = ? AND Matriz = ?"),
                  {serial, m_company, m_headOffice});
        break;
    case AssetMovement::Variation:
    case AssetMovement::None:
        break;
    }
}

bool AssetRegister::hasLaterLines(const QString &serial, const QString &user, int exceptGroup) const
{
    const QVariantList posted{serial.trimmed(), m_company, m_headOffice};
    if (m_db.exists(QStringLiteral("SELECT 1 FROM MOVIMIENTO WHERE Serial = ? AND Empresa = ? "
                                   "AND Matriz = ? AND TipoMovActivo IN (2, 3)"),
                    posted))
        return true;
    return m_db.exists(QStringLiteral("SELECT 1 FROM REGISTRO WHERE Serial = ? AND Empresa = ? "
                                      "AND Matriz = ? AND TipoMovActivo IN (2, 3) "
                                      "AND NOT (Usuario = ? AND GrupoLinea = ?)"),
                       posted + QVariantList{user, exceptGroup});
}

void AssetRegister::releaseLine(const QString &serial, AssetMovement movement)
{
    if (movement == AssetMovement::Purchase)
        m_db.exec(QStringLiteral("DELETE FROM ACTIVOFIJO WHERE Serial = ? AND Empresa = ? "
                                 "AND Matriz = ? AND Serial <> '*'"),
                  {serial.trimmed(), m_company, m_headOffice});
    else if (movement == AssetMovement::Retirement)
        m_db.exec(QStringLiteral("UPDATE ACTIVOFIJO SET Status = 1 WHERE Serial = ? "
                                 "AND Empresa = ? AND Matriz = ?"),
                  {serial.trimmed(), m_company, m_headOffice});
}
