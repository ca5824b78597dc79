// The program as a forest owner meets it, through the real windows and only
// their controls: the first start without a settings file; a new stand from
// its measurement; strip roads and a thinning; ten years of growth; the save;
// the estate's stand list and the stand opened again from its file; its
// picture, card and texts; the estate overview; the removal valued as a
// timber sale; the stand report printed to a PDF file. Then the same road
// over a stand of the model estate, whose operations are never saved.
#include "tests/app/JourneyFixture.h"

namespace {
using namespace journeytest;
}  // namespace

TEST_F(Journey, NewStandThinnedGrownSavedReopenedValuedAndReported) {
  // ---- First start: no settings file ----
  StartProgram();
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines, QStringList{"puuttuva tiedosto korvataan uudella Settings.dat"});
  EXPECT_EQ(FileBytes(program_ + "/Settings.dat").size(), 188);
  script_.Clear();

  // ---- A new stand from its measurement ----
  const QString path = estates_ + "/Kotitila/101.Norvalen";
  CreateStand(path, "101", IntroForm->Button2);
  ASSERT_TRUE(QFile::exists(path));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_FALSE(IntroForm->isVisible());
  EXPECT_TRUE(ActForm->isVisible() && ActForm->isEnabled());
  EXPECT_EQ(Stand().TitleText(0), "101");
  EXPECT_EQ(CurrentPhase(), 0);
  ASSERT_EQ(ActForm->ListBox1->count(), 1);
  const int measuredStems = Stand().SlotTreeCount(0);
  const int measuredVolume = Stand().SlotTotalVolume(0);
  EXPECT_GT(measuredVolume, 100);
  Shot("created");

  // ---- Strip roads and a thinning ----
  Thin();
  EXPECT_TRUE(Stand().Slots[1].name.startsWith("Ajourat")) << Stand().Slots[1].name.toStdString();
  EXPECT_TRUE(Stand().Slots[2].name.startsWith("Alaharvennus")) << Stand().Slots[2].name.toStdString();
  EXPECT_LT(Stand().SlotTreeCount(2), Stand().SlotTreeCount(1));
  EXPECT_LT(Stand().SlotTreeCount(1), measuredStems);
  const int removal = measuredVolume - Stand().SlotTotalVolume(2);
  EXPECT_GT(removal, 0);
  EXPECT_TRUE(ActForm->HasUnsavedChanges());

  // ---- Ten years of growth ----
  Grow(10);
  ASSERT_EQ(CurrentPhase(), 3);
  EXPECT_EQ(Stand().Slots[3].name, "Kasvatus");
  EXPECT_EQ(Stand().Slots[3].years, 10);
  EXPECT_GT(Stand().SlotTotalVolume(3), Stand().SlotTotalVolume(2));
  EXPECT_TRUE(ActForm->Label13->text().contains("101"));

  // ---- Save ----
  const QByteArray measured = FileBytes(path);
  Click(ActForm->Panel10);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(ActForm->Label13->text().isEmpty());
  const QByteArray saved = FileBytes(path);
  EXPECT_TRUE(saved.left(580) == measured.left(580)) << "the header stays as it was";
  EXPECT_EQ(saved.size(), standfile::FileLength(Stand().TreeCount(), 1));
  ASSERT_EQ(TheSession->EstateRecords.size(), 1u);
  EXPECT_EQ(TheSession->EstateRecords[0].phaseSlots[3].name, "Kasvatus");
  EXPECT_EQ(TheSession->EstateRecords[0].phaseSlots[2].name, Stand().Slots[2].name);
  const auto trees = standcompare::SortedTreeKeys(Stand());
  const auto phaseSlots = Stand().Slots;

  // ---- A second stand of the estate, measured from the main window ----
  CreateStand(estates_ + "/Kotitila/102.Norvalen", "102", ActForm->Button6);
  EXPECT_EQ(Stand().TitleText(0), "102");
  EXPECT_EQ(CurrentPhase(), 0);
  ASSERT_EQ(ActForm->ListBox1->count(), 2);

  // ---- The estate's stand list: the first stand opened again from its file ----
  OpenFromStandList("101");
  EXPECT_EQ(TheSession->StandPath, path);
  EXPECT_EQ(CurrentPhase(), 3);
  EXPECT_TRUE(standcompare::SortedTreeKeys(Stand()) == trees);
  for (int k = 0; k < kPhaseCount; ++k) {
    EXPECT_EQ(Stand().Slots[k].name, phaseSlots[k].name) << k;
    EXPECT_EQ(Stand().Slots[k].volumes, phaseSlots[k].volumes) << k;
  }
  EXPECT_FALSE(ActForm->HasUnsavedChanges());

  // ---- Its picture, card and texts ----
  EXPECT_FALSE(ActForm->Image4->pixmap().isNull());
  EXPECT_FALSE(ActForm->Image3->pixmap().isNull());
  EXPECT_FALSE(ActForm->Image1->pixmap().isNull());
  EXPECT_TRUE(ActForm->Label10->text().contains("101")) << ActForm->Label10->text().toStdString();
  EXPECT_EQ(ActForm->Label1->text(), "puusto 2026");
  EXPECT_EQ(ActForm->Label2->text(), "puusto 2036");
  EXPECT_TRUE(ActForm->Label15->text().startsWith(U("- hakkuukertymä "))) << ActForm->Label15->text().toStdString();
  EXPECT_TRUE(ActForm->Panel11->text().startsWith("Puukauppa 2026")) << ActForm->Panel11->text().toStdString();
  EXPECT_TRUE(ActForm->Button12->isEnabled());
  EXPECT_TRUE(ActForm->windowTitle().contains("Kotitila")) << ActForm->windowTitle().toStdString();
  Shot("reopened");

  // ---- The estate overview ----
  const QStringList row = EstateOverviewRow();
  ASSERT_FALSE(row.isEmpty());
  EXPECT_EQ(row.value(0).trimmed(), "101");
  EXPECT_EQ(FolderForm->StringGrid1->rowCount(), 2);

  // ---- The removal as a timber sale ----
  const QStringList sale = TimberSale();
  ASSERT_EQ(sale.size(), 4);
  EXPECT_FALSE(sale[0].isEmpty() || sale[2].isEmpty());

  // ---- The stand report to a PDF file ----
  const QString pdf = folder_.file("kuvio101.pdf");
  const QStringList memo = PrintReport(pdf);
  const QString report = memo.join('\n'), text = PdfLayoutText(pdf);
  for (const char* line : {"Kuvio 101, perustiedot", "10 v kasvatus", "alaharvennus hakkuukertymään"}) {
    EXPECT_TRUE(report.contains(U(line))) << report.toStdString();
    // The printed report: the same lines.
    EXPECT_TRUE(text.contains(U(line))) << line << "\n" << text.toStdString();
  }
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
}

TEST_F(Journey, ModelEstateStandIsWorkedButNeverSaved) {
  shotPrefix_ = "journey-model";
  StartProgram();
  script_.Clear();
  // Stand 10 of the model estate: a young dense spruce stand, nothing done.
  const QString path = estates_ + "/Mallitila/10.Norvalen";
  const QByteArray original = FileBytes(path);
  OpenFromStartWindow(path);
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  ASSERT_TRUE(Stand().IsModelEstateStand(-1));
  ASSERT_EQ(CurrentPhase(), 0);

  Thin();
  Grow(10);
  ASSERT_EQ(CurrentPhase(), 3);
  // Saving is refused and told; nothing is written, the mark stays.
  script_.Clear();
  Click(ActForm->Panel10);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Rajoite");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
            QStringList{U("Mallitilan demokuvioiden toimenpideketjun muutoksia ei voi tallettaa   !")});
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(FileBytes(path) == original);
  Shot("refused");

  // The removal is valued, reported and totalled all the same.
  EXPECT_EQ(TimberSale().size(), 4);
  PrintReport(folder_.file("malli10.pdf"));
  EXPECT_FALSE(EstateOverviewRow().isEmpty());

  // Another stand of the model estate, then this one again from the stand
  // list: it is as the model estate holds it.
  OpenFromStandList("9");
  OpenFromStandList("10");
  EXPECT_EQ(CurrentPhase(), 0);
  EXPECT_TRUE(Stand().Slots[1].name.isEmpty());
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(FileBytes(path) == original);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
}
