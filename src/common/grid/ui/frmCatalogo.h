#pragma once

#include <QDialog>
#include <optional>

class GridModel;
class Prompter;
class QLineEdit;
class QTableView;
class QTimer;
class clsSpread;

// The lookup's window: the candidate rows of a catalogue, narrowed to what the user types.
// Enter or a double click picks the current row; Escape closes without a pick.
class frmCatalogo : public QDialog
{
    Q_OBJECT
public:
    static inline const QString DefaultCaption = QStringLiteral("Catálogo");
    // Time the typed text rests before the list is narrowed to it.
    static constexpr int FilterDelayMs = 250;

    frmCatalogo(GridModel &rows, Prompter &prompter, const QString &caption = DefaultCaption,
                QWidget *parent = nullptr);
    ~frmCatalogo() override;

    QLineEdit *txtBuscar = nullptr;
    QTableView *grdCatalogo = nullptr;
    clsSpread &spread() { return *m_spread; }

    // The picked row of the model; nullopt until a pick.
    std::optional<int> pickedRow() const { return m_picked; }

public slots:
    void pickCurrent();
    // Narrows the rows to those that start with the typed text.
    void applyFilter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCaption();
    void fitWidth();

    GridModel &m_rows;
    Prompter &m_prompter;
    QString m_caption;
    std::unique_ptr<clsSpread> m_spread;
    QTimer *m_filterTimer = nullptr;
    std::optional<int> m_picked;
};
