// Drives the main window and its secondary windows through their controls.
#pragma once

#include <QObject>

namespace velorin {

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void loadsDefaultsWithoutSavedSettings();
    void restoresEveryOptionFromControlDefaults();
    void movesLegacySettingsOnce();
    void startupChecksCanEndTheProgram();
    void recentFilesRotateAndShowInTheMenu();
    void optionClicksAndTheirRules();
    void choosingADatabaseProposesTheOutputFolder();
    void exportFoldersAreChosenAndTypedLikeDatabases();
    void aFailingDatabaseClearsBothBoxes();
    void startTranslationValidates();
    void convertsTheSampleAndPrintsTheChosenReports();
    void cancelledReportSelectionPrintsNothing();
    void uncompiledCodeStopsBeforeAnyFileIsTouched();
    void objectsThatCannotBeReadAreListedButNotOffered();
    void aDatabaseFileAloneOffersNothingToConvert();
    void aFailureSaysWhatWentWrongWithEachObject();
    void everyOptionChangesTheProject();
    void reportsWindowSaysWhereTheAnalysisIs();
    void keyboardReachesEveryField();
    void messagesBeforeTheWindowAreCentredOnTheScreen();
    void progressShowsTheElapsedTime();
    void shutdownSavesOnlyChangedSettings();
    void keepsOnlySettingsThatAreRead();
    void eachUserRecordsInAnOwnSupportDatabase();
    void aboutBoxHidesThePlaceholderCredit();
    void drawingPreviewsIsSavedAndRestored();
    void previewsAreShownAfterAConversionThatDrewThem();
    void formPreviewsMenuShowsTheChosenFolder();

    // The gallery itself, in preview_gallery_test.cpp.
    void galleryListsThePngPicturesOfAFolder();
    void galleryShowsTheChosenPictureAtFullSize();
};

}  // namespace velorin
