#pragma once
// User-visible texts, kept by number so that every caller words a message the
// same way, and translated where the program has a translator installed.

#include <QString>

namespace Str {
constexpr unsigned PortAccessDenied = 14520;
constexpr unsigned UnexpectedDeviceTitle = 14522;
constexpr unsigned UnexpectedDeviceText = 14524;
constexpr unsigned ComPortErrorTitle = 14526;
constexpr unsigned AttemptingContact = 14542;
constexpr unsigned SerialPortOpen = 14546;
constexpr unsigned UnableToOpenPort = 14550;
constexpr unsigned OpeningSerialPort = 14552;
constexpr unsigned ConnectedTo = 14553;
constexpr unsigned FaultNoMatch = 13134;
constexpr unsigned TuneTip = 13150;
constexpr unsigned MemorizeTip = 13152;
constexpr unsigned FaultNone = 18130;
constexpr unsigned FaultSwrAboveKeyInterrupt = 18132;
constexpr unsigned FaultPowerAboveLimit = 18136;
constexpr unsigned FaultPowerTooHighForTune = 18138;
constexpr unsigned Ready = 57345;
// Main window, Port page, command tester and About box.
constexpr unsigned TitleVersion = 10064;            // "%s Version %u.%u.%u.%u"
constexpr unsigned HelpError = 10094;
constexpr unsigned MenuAbout = 10100;
constexpr unsigned MenuHelp = 10102;
constexpr unsigned MenuReleaseNotes = 10104;
constexpr unsigned StatusTitle = 10120;
constexpr unsigned NotResponding = 10124;
constexpr unsigned ClearTooltip = 10040;
constexpr unsigned MacroEditorTitle = 11254;
constexpr unsigned MacroDefaultLabel = 11262;
constexpr unsigned MacroPageTitle = 11274;
constexpr unsigned ClosePortTooltip = 14534;
constexpr unsigned TitlePortClosed = 14536;
constexpr unsigned SerialPortClosed = 14544;
constexpr unsigned TitleSerialNumber = 14554;
constexpr unsigned TitlePortSpeed = 14560;
constexpr unsigned TestCommsTooltip = 14562;
constexpr unsigned ConnectionLost = 30500;
// The download of new firmware from the maker's server.
constexpr unsigned FtpDialogTitle = 10022;         // "Copy Files from Corvanta File Server"
constexpr unsigned ClickCloseToClose = 10042;
constexpr unsigned CloseButton = 10044;
constexpr unsigned CreateFolderTitle = 10046;
constexpr unsigned CreateFolderQuestion = 10050;   // "Folder \"%s\" does not exist. ..."
constexpr unsigned FileVerified = 10060;
constexpr unsigned FileVerifyFailed = 10062;
constexpr unsigned FtpCompletedWithError = 10070;  // "%s completed with error 0x%08X: %s"
constexpr unsigned FtpConnected = 10072;
constexpr unsigned FtpCopiedFile = 10074;
constexpr unsigned FtpCopiedFiles = 10076;
constexpr unsigned FtpCopyingFiles = 10080;
constexpr unsigned FtpFound = 10082;
constexpr unsigned FtpSkipped = 10083;
constexpr unsigned FtpNavigateTo = 10084;
constexpr unsigned FtpUnableToCopy = 10086;
constexpr unsigned FtpOpenConnection = 10090;
constexpr unsigned FtpServerHost = 10092;
// Firmware page and release notes.
constexpr unsigned ElapsedTime = 10054;             // "Elapsed time: %u seconds"
constexpr unsigned ReleaseNotesErrorTitle = 10110;
constexpr unsigned ReleaseNotesOpenFailed = 10112;  // "Unable to open Firmware Release Notes \"%s\""
constexpr unsigned ReleaseNotesTitle = 10026;
constexpr unsigned DefaultFolderTip = 15102;
constexpr unsigned BrowseTip = 15094;
constexpr unsigned CheckVersionTip = 15096;
constexpr unsigned BrowseTitle = 15100;
constexpr unsigned ErrorTitle = 15104;
constexpr unsigned SendingFirmwareFrom = 15106;
constexpr unsigned CopyNewFilesTip = 15110;
constexpr unsigned FirmwareMissing = 15122;
constexpr unsigned NoFirmwareFiles = 15124;
// The firmware loader and its dialog.
constexpr unsigned LoaderSendingFile = 16020;
constexpr unsigned LoaderRetrySucceeded = 16021;
constexpr unsigned LoaderRetryWithFill = 16022;
constexpr unsigned LoaderSendFailed = 16023;
constexpr unsigned LoaderVersionVerified = 16025;
constexpr unsigned LoaderVersionResponded = 16026;
constexpr unsigned LoaderVersionVerifyFailed = 16027;
constexpr unsigned LoaderNoEcho = 16028;
constexpr unsigned FileLineError = 16029;            // "Line %u, error code 0x%08X: %s"
constexpr unsigned LoaderDialogTitle = 16030;
constexpr unsigned LoaderTotalRetries = 16031;
constexpr unsigned LoaderHighestRetries = 16032;
constexpr unsigned LoaderComplete = 16033;
constexpr unsigned LoaderClickClose = 16034;
constexpr unsigned LoaderErrorCode = 16035;
constexpr unsigned LoaderCloseQuestion = 16036;
constexpr unsigned LoaderCloseQuestionTitle = 16037;
constexpr unsigned LoaderLeftInLoader = 16038;
constexpr unsigned LoaderRecovering = 16039;
constexpr unsigned LoaderNotRecovered = 16041;
constexpr unsigned ImageNameWithoutVersion = 16042;
constexpr unsigned CancelButton = 16040;
// Stored configuration: save, restore and the fault table.
constexpr unsigned WaitingForReset = 16080;           // "Waiting %u seconds for reset"
constexpr unsigned SaveConfigurationTitle = 13512;
constexpr unsigned SaveCancelled = 13520;
constexpr unsigned ConfigurationSaved = 13521;
constexpr unsigned SaveFailed = 13522;
constexpr unsigned SaveErrorTitle = 13523;
constexpr unsigned ConfigurationFileFilter = 13524;   // "%s Configuration File (*.%s)|*.%s|All Files (*.*)|*.*|"
constexpr unsigned RestoreConfigurationTitle = 13510;
constexpr unsigned RestoringConfiguration = 13511;
constexpr unsigned ConfigurationRestored = 13530;
constexpr unsigned RestoreCancelled = 13531;
constexpr unsigned RestoreFailed = 13532;
constexpr unsigned RestoreErrorTitle = 13533;
constexpr unsigned InterruptRestoreQuestion = 13534;
constexpr unsigned CriticalOperationTitle = 13535;
constexpr unsigned RestoreInterrupted = 13536;
constexpr unsigned RestoreLeftIncomplete = 13540;
constexpr unsigned SerialMismatchTitle = 13537;
constexpr unsigned SerialMismatchText = 13538;
constexpr unsigned SerialMismatchQuestion = 13539;
constexpr unsigned FaultTableTitle = 13802;
constexpr unsigned FaultTableErrorTitle = 13804;
constexpr unsigned FaultColumnIndex = 13810;
constexpr unsigned FaultColumnTimeOn = 13811;
constexpr unsigned FaultColumnCode = 13812;
constexpr unsigned FaultColumnData = 13813;
constexpr unsigned FaultPowerOn = 13820;              // "00 - Power On"
constexpr unsigned FaultNoMatchCode = 13821;
constexpr unsigned FaultVfwdTooHigh = 13822;
constexpr unsigned FaultVfwdHotswitch = 13823;
constexpr unsigned FaultSwrAboveKeyInterruptCode = 13824;
constexpr unsigned FaultNoMatchDetail = 13825;
constexpr unsigned FaultUnrecognized = 13826;         // "%02X Unrecognized"
constexpr unsigned FaultTimes = 13827;                // "%u times"
constexpr unsigned FaultDataFormat = 13828;           // the F format
constexpr unsigned FaultStepsFormat = 13829;          // the STEPS format
constexpr unsigned ReadingsLogTitle = 18401;
constexpr unsigned ReadingsLogOpenFailed = 18402;   // path, code, text
constexpr unsigned ReadingsLogWriteFailed = 18403;  // path, code, text
constexpr unsigned ReadingsLogStatus = 18404;       // path
// Configuration page, edit-configuration sheet and the configuration dialogs.
constexpr unsigned RestoreTooltip = 13502;
constexpr unsigned SaveTooltip = 13506;
constexpr unsigned ResetTooltip = 13844;
constexpr unsigned EditTooltip = 19002;
constexpr unsigned SheetTitle = 19300;
constexpr unsigned OptimizedForZp5100 = 19302;
constexpr unsigned OptimizeForZp5100 = 19304;
constexpr unsigned ResetDialogTitle = 13840;
constexpr unsigned ResetErrorTitle = 13846;
constexpr unsigned EraseMemoryTitle = 13862;
constexpr unsigned ErasingMemory = 13867;            // "Erasing Band %s Antenna %u"
constexpr unsigned MemoryErased = 13868;             // "ATU memory erased Band %s Antenna %u"
}  // namespace Str

// The text of a string-table entry in the program's language; an unknown
// number gives "". A text with a count takes the plural form for count.
QString LoadString(unsigned id, int count = -1);

// The device model name that fills "%s" and "??" in texts.
const QString& ModelName();
