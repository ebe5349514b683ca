#pragma once

#include "vouchers/entry/EntryLine.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolBar;
class QToolButton;

// "Activo Fijo": collects the asset of a line on a fixed-asset account and hands it back to
// voucher entry; it writes nothing.
class frmActivoFijo : public QDialog
{
    Q_OBJECT
public:
    // Finds an existing asset by serial (and tells the user when it is retired).
    using Finder = std::function<std::optional<AssetData>(const QString &serial)>;
    // Opens the catalogue of assets in service; the picked serial, empty when none.
    using Picker = std::function<QString()>;

    frmActivoFijo(const QString &account, const QString &accountName,
                  const std::vector<std::pair<int, QString>> &categories, AssetData proposal,
                  Finder finder, Picker picker, QWidget *parent = nullptr);

    QLineEdit *txtTipoActivo = nullptr;
    QLineEdit *txtSerial = nullptr;
    QToolButton *cmdBuscar = nullptr;
    QLineEdit *txtDescripcion = nullptr;
    QLineEdit *txtMarca = nullptr;
    QLineEdit *txtModelo = nullptr;
    QSpinBox *txtMeses = nullptr;
    QDateEdit *dtpFechaAdq = nullptr;
    QDateEdit *dtpFechaDep = nullptr;
    QComboBox *cmbCategoria = nullptr;
    QRadioButton *optCompra = nullptr;
    QRadioButton *optVariacion = nullptr;
    QRadioButton *optRetiro = nullptr;
    QToolBar *tlbregistro = nullptr;

    // The asset as the dialog holds it.
    AssetData asset() const;
    // Takes the typed serial: an existing asset fills and locks the fields.
    void takeSerial();
    void Guardar();
    void Cancelar();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void display(const AssetData &asset, bool existing);

    Finder m_finder;
    Picker m_picker;
    QString m_taken;
    bool m_existing = false;
};
