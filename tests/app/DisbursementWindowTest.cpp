// The road of a disbursement voucher once approved: the application has put its printing
// window in the voucher print's way, and takes it out again when it closes.
#include "app/StandardWindows.h"
#include "banking/ui/frmImprimirComprobanteEgreso.h"

#include "banking/DisbursementBooks.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class DisbursementWindow : public ::testing::Test, protected DisbursementBooks
{
};

TEST_F(DisbursementWindow, AnApprovedDisbursementOpensItsPrintWindowInsteadOfPrinting)
{
    const VoucherToPrint voucher = approveDisbursement();
    session.reports = &output;
    QWidget main;
    InstallDisbursementWindow(&main);
    PrintApprovedVoucher(session, voucher.type, voucher.number, voucher.year, voucher.month);

    auto *window = main.findChild<frmImprimirComprobanteEgreso *>();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->service().voucher().number, voucher.number);
    EXPECT_EQ(window->txtBeneficiario->code(), "J002");
    EXPECT_TRUE(output.requests.empty());

    window->optComprobanteCheque->setChecked(true);
    window->cmbChequeBanco->setCurrentIndex(window->cmbChequeBanco->findData("CHQV"));
    QTest::mouseClick(window->cmdImprimir, Qt::LeftButton);
    EXPECT_EQ(output.requests.size(), 2u) << prompter.lastText().toStdString();
    // Leaving deletes it.
    QTest::mouseClick(window->cmdSalir, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(main.findChild<frmImprimirComprobanteEgreso *>());

    InstallDisbursementWindow(nullptr);
    PrintApprovedVoucher(session, voucher.type, voucher.number, voucher.year, voucher.month);
    EXPECT_FALSE(main.findChild<frmImprimirComprobanteEgreso *>());
    EXPECT_EQ(output.requests.size(), 3u);
}

} // namespace
