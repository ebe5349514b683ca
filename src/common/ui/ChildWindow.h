#pragma once

#include <QHash>
#include <QStringList>
#include <QWidget>

class QAction;
class QSplitter;
class QToolBar;
class QVBoxLayout;
struct Session;

// Base of every window opened from a navigation node. It owns the record toolbar
// `tlbregistro`, built from the operations the user's groups may use on the node, and
// dispatches its buttons and their Alt+letter keys to the window's operations.
class ChildWindow : public QWidget
{
    Q_OBJECT
public:
    // Action codes, also the argument of DespuesDeNavegar.
    enum Action {
        Nuevo = 1,
        Modificar,
        Eliminar,
        Buscar,
        Imprimir,
        Cancelar,
        Guardar,
        Aprobar,
        Salir,
        Reprobar
    };
    enum ToolbarMode { Editing = 1, Browsing = 2 };

    ChildWindow(Session &session, const QString &nodeCode, QWidget *parent = nullptr);

    const QString &nodeCode() const { return m_node; }
    QToolBar *tlbregistro() const { return m_toolbar; }
    QAction *button(const QString &key) const { return m_buttons.value(key); }
    // The operations the user may use here, as LoadToolbarOptions found them.
    const QStringList &allowedOptions() const { return m_allowed; }

    // Builds the toolbar once: every operation in order, only the allowed ones visible,
    // "Salir" alone when none is allowed.
    void LoadToolbarOptions();
    void SetToolbarState(int mode);
    // Runs a toolbar operation by its key ("Nuevo" ... "Reprobar"). Refused operations
    // (not allowed to the user here) do nothing, whatever calls them.
    void ToolbarAction(const QString &key);
    // Alt + initial runs the visible, enabled button; Escape leaves. True when handled.
    bool ToolbarKey(int key, Qt::KeyboardModifiers modifiers);
    // Asks, deletes through onEliminar() and says how it went.
    virtual void ConfirmDelete();
    static inline const QString DeleteQuestion = QStringLiteral("¿Desea eliminar el registro?");
    // This window's gEstadoEdicion: 0 none, 1 adding, 2 modifying, 3 deleting, 4 searching,
    // 5 printing, 6 cancelled, 7 saved, 8 approving, 9 leaving.
    int editState() const { return m_editState; }

protected:
    // The window's own operations; absent ones are simply not offered by the node.
    virtual void onNuevo() {}
    virtual void onModificar() {}
    virtual bool onEliminar() { return false; }
    virtual void onBuscar() {}
    virtual void onImprimir() {}
    virtual void onCancelar() {}
    virtual bool onGuardar() { return false; }
    virtual void onAprobar() {}
    virtual void onReprobar() {}
    virtual void DespuesDeNavegar(int action) { Q_UNUSED(action); }
    // Operations beyond the common ones ("Subir", "Bajar" ...).
    virtual void onOtherAction(const QString &key) { Q_UNUSED(key); }
    // Record-list windows show one record of a list query at a time.
    virtual bool isRecordList() const { return false; }
    virtual bool hasRecords() const { return true; }
    // Re-reads the window's records after a change (RefreshRecord).
    virtual void RefreshRecord() {}
    // The record a delete would remove, in words ("J-29759907-0 DISTRIBUIDORA BETA, C.A."),
    // named under the delete question; empty where the window cannot tell.
    virtual QString recordToDelete() const { return {}; }

    Session &session() const { return m_session; }
    void setEditState(int state) { m_editState = state; }
    // Layout below the toolbar where the window puts its controls.
    QVBoxLayout *body() const { return m_body; }
    // Puts a list beside its form in the body, with a bar between them the user can drag;
    // the list starts `listWidth` wide, or as wide as the user last left it in this window.
    QSplitter *addListAndForm(QWidget *list, QWidget *form, int listWidth);
    // The settings key that keeps that width.
    QString listWidthKey() const;

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void disableWithoutRecords();
    void setEnabledIfVisible(const QStringList &keys, bool enabled);

    Session &m_session;
    QString m_node;
    QToolBar *m_toolbar = nullptr;
    QVBoxLayout *m_body = nullptr;
    QHash<QString, QAction *> m_buttons;
    QStringList m_allowed;
    int m_editState = 0;
    QSplitter *m_listSplitter = nullptr;
    int m_listWidth = 0;
    bool m_listWidthRestored = false;
};
