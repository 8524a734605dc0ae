#pragma once
// User-visible texts, kept by number so that every caller words a message the
// same way, and translated where the program has a translator installed.

#include <QString>

// Every text, once: the name callers use, its number and its words. A COUNTED
// text's first placeholder is a count, and its translations have a form for
// each plural the language knows. Unmarked texts (the host name, the fault
// log's data formats) are not words and are never translated.
#define ZU_STRING_TABLE(TEXT, COUNTED) \
  TEXT(PortAccessDenied, 14520, \
       QT_TRANSLATE_NOOP("StringTable", "Serial port \"%s\" access denied; may be in use by another program or USB " \
                                        "cable may have been removed.")) \
  TEXT(UnexpectedDeviceTitle, 14522, QT_TRANSLATE_NOOP("StringTable", "Unexpected Device")) \
  TEXT(UnexpectedDeviceText, 14524, \
       QT_TRANSLATE_NOOP("StringTable", "Connected device does not appear to be a Corvanta %s")) \
  TEXT(ComPortErrorTitle, 14526, QT_TRANSLATE_NOOP("StringTable", "Serial Port Error")) \
  TEXT(AttemptingContact, 14542, QT_TRANSLATE_NOOP("StringTable", "Attempting to contact %s on %s at %u bit/s")) \
  TEXT(SerialPortOpen, 14546, QT_TRANSLATE_NOOP("StringTable", "Serial port %s is open")) \
  TEXT(UnableToOpenPort, 14550, \
       QT_TRANSLATE_NOOP("StringTable", "Unable to open serial port \"%s\". Error 0x%08X: %s")) \
  TEXT(OpeningSerialPort, 14552, QT_TRANSLATE_NOOP("StringTable", "Opening serial port %s")) \
  TEXT(ConnectedTo, 14553, QT_TRANSLATE_NOOP("StringTable", "Connected to %s on %s at %u bit/s")) \
  TEXT(FaultNoMatch, 13134, QT_TRANSLATE_NOOP("StringTable", "No match")) \
  TEXT(TuneTip, 13150, QT_TRANSLATE_NOOP("StringTable", "Start a full search tune")) \
  TEXT(MemorizeTip, 13152, QT_TRANSLATE_NOOP("StringTable", "Save current ATU settings")) \
  TEXT(FaultNone, 18130, QT_TRANSLATE_NOOP("StringTable", "No fault")) \
  TEXT(FaultSwrAboveKeyInterrupt, 18132, QT_TRANSLATE_NOOP("StringTable", "SWR > Amp Key Interrupt SWR")) \
  TEXT(FaultPowerAboveLimit, 18136, QT_TRANSLATE_NOOP("StringTable", "Power above design limit for SWR")) \
  TEXT(FaultPowerTooHighForTune, 18138, QT_TRANSLATE_NOOP("StringTable", "Power too high for tune")) \
  TEXT(Ready, 57345, QT_TRANSLATE_NOOP("StringTable", "Ready")) \
  /* Main window, Port page, command tester and About box. */ \
  TEXT(TitleVersion, 10064, QT_TRANSLATE_NOOP("StringTable", "%s Version %u.%u.%u.%u")) \
  TEXT(HelpError, 10094, QT_TRANSLATE_NOOP("StringTable", "Help Error")) \
  TEXT(MenuAbout, 10100, QT_TRANSLATE_NOOP("StringTable", "&About %s Utility")) \
  TEXT(MenuHelp, 10102, QT_TRANSLATE_NOOP("StringTable", "%s Utility &Help")) \
  TEXT(MenuReleaseNotes, 10104, QT_TRANSLATE_NOOP("StringTable", "%s Firmware &Release Notes")) \
  TEXT(StatusTitle, 10120, QT_TRANSLATE_NOOP("StringTable", "%s Status")) \
  TEXT(NotResponding, 10124, QT_TRANSLATE_NOOP("StringTable", "%s is not responding")) \
  TEXT(ClearTooltip, 10040, QT_TRANSLATE_NOOP("StringTable", "Erase output window")) \
  TEXT(MacroEditorTitle, 11254, QT_TRANSLATE_NOOP("StringTable", "Edit Command Tester Macros")) \
  TEXT(MacroDefaultLabel, 11262, QT_TRANSLATE_NOOP("StringTable", "MACRO%u")) \
  TEXT(MacroPageTitle, 11274, QT_TRANSLATE_NOOP("StringTable", "Macros 1-16")) \
  TEXT(ClosePortTooltip, 14534, QT_TRANSLATE_NOOP("StringTable", "Stop polling and close the serial port")) \
  TEXT(TitlePortClosed, 14536, QT_TRANSLATE_NOOP("StringTable", " on %s closed")) \
  TEXT(SerialPortClosed, 14544, QT_TRANSLATE_NOOP("StringTable", "Serial port %s is closed")) \
  TEXT(TitleSerialNumber, 14554, QT_TRANSLATE_NOOP("StringTable", " - S/N %05u")) \
  TEXT(TitlePortSpeed, 14560, QT_TRANSLATE_NOOP("StringTable", " on %s at %u bit/s")) \
  TEXT(TestCommsTooltip, 14562, QT_TRANSLATE_NOOP("StringTable", "Reopen port and determine speed")) \
  TEXT(ConnectionLost, 30500, \
       QT_TRANSLATE_NOOP("StringTable", "The connection to the %s on %s was lost: the adapter was unplugged or " \
                                        "switched off (error 0x%08X)")) \
  /* The download of new firmware from the maker's server. */ \
  TEXT(FtpDialogTitle, 10022, QT_TRANSLATE_NOOP("StringTable", "Copy Files from Corvanta File Server")) \
  TEXT(ClickCloseToClose, 10042, QT_TRANSLATE_NOOP("StringTable", "Click \"Close\" to close this window")) \
  TEXT(CloseButton, 10044, QT_TRANSLATE_NOOP("StringTable", "Close")) \
  TEXT(CreateFolderTitle, 10046, QT_TRANSLATE_NOOP("StringTable", "Create folder")) \
  TEXT(CreateFolderQuestion, 10050, \
       QT_TRANSLATE_NOOP("StringTable", "Folder \"%s\" does not exist. Do you want to create it now?")) \
  TEXT(FileVerified, 10060, QT_TRANSLATE_NOOP("StringTable", "File verified %s")) \
  TEXT(FileVerifyFailed, 10062, QT_TRANSLATE_NOOP("StringTable", "File %s verify failed")) \
  TEXT(FtpCompletedWithError, 10070, QT_TRANSLATE_NOOP("StringTable", "%s completed with error 0x%08X: %s")) \
  TEXT(FtpConnected, 10072, \
       QT_TRANSLATE_NOOP("StringTable", "Connected to Corvanta server\nPlease be patient, this takes a few seconds")) \
  TEXT(FtpCopiedFile, 10074, QT_TRANSLATE_NOOP("StringTable", "Copied %s from Corvanta")) \
  COUNTED(FtpCopiedFiles, 10076, QT_TRANSLATE_N_NOOP("StringTable", "Copied %u files from Corvanta to %s")) \
  TEXT(FtpCopyingFiles, 10080, QT_TRANSLATE_NOOP("StringTable", "Copying files to %s")) \
  TEXT(FtpFound, 10082, QT_TRANSLATE_NOOP("StringTable", "Found %s")) \
  TEXT(FtpSkipped, 10083, QT_TRANSLATE_NOOP("StringTable", "Skipped %s")) \
  TEXT(FtpNavigateTo, 10084, QT_TRANSLATE_NOOP("StringTable", "Navigate to %s")) \
  TEXT(FtpUnableToCopy, 10086, QT_TRANSLATE_NOOP("StringTable", "Unable to copy file %s")) \
  TEXT(FtpOpenConnection, 10090, QT_TRANSLATE_NOOP("StringTable", "Open connection to %s")) \
  TEXT(FtpServerHost, 10092, "ftp.corvanta.com") \
  /* Firmware page and release notes. */ \
  COUNTED(ElapsedTime, 10054, QT_TRANSLATE_N_NOOP("StringTable", "Elapsed time: %u seconds")) \
  TEXT(ReleaseNotesErrorTitle, 10110, QT_TRANSLATE_NOOP("StringTable", "Release Notes Error")) \
  TEXT(ReleaseNotesOpenFailed, 10112, \
       QT_TRANSLATE_NOOP("StringTable", "Unable to open Firmware Release Notes \"%s\"")) \
  TEXT(ReleaseNotesTitle, 10026, QT_TRANSLATE_NOOP("StringTable", "Firmware Release Notes")) \
  TEXT(DefaultFolderTip, 15102, \
       QT_TRANSLATE_NOOP("StringTable", "Choose \"%%APPDATA%%\\Corvanta\\%s Firmware\" folder")) \
  TEXT(BrowseTip, 15094, QT_TRANSLATE_NOOP("StringTable", "Browse to another folder")) \
  TEXT(CheckVersionTip, 15096, \
       QT_TRANSLATE_NOOP("StringTable", "Compare versions installed in %s with available versions in firmware " \
                                        "folder")) \
  TEXT(BrowseTitle, 15100, QT_TRANSLATE_NOOP("StringTable", "Select folder containing %s firmware files")) \
  TEXT(ErrorTitle, 15104, QT_TRANSLATE_NOOP("StringTable", "Error")) \
  TEXT(SendingFirmwareFrom, 15106, QT_TRANSLATE_NOOP("StringTable", "Sending firmware from %s")) \
  TEXT(CopyNewFilesTip, 15110, QT_TRANSLATE_NOOP("StringTable", "Get new firmware from Corvanta file server")) \
  TEXT(FirmwareMissing, 15122, QT_TRANSLATE_NOOP("StringTable", "Missing")) \
  TEXT(NoFirmwareFiles, 15124, \
       QT_TRANSLATE_NOOP("StringTable", "Firmware folder does not contain required firmware files\r\nClick \"Copy " \
                                        "New Files from Corvanta\"\r\nor navigate to a folder containing firmware " \
                                        "files")) \
  /* The firmware loader and its dialog. */ \
  TEXT(LoaderSendingFile, 16020, QT_TRANSLATE_NOOP("StringTable", "Sending %s firmware file %s")) \
  TEXT(LoaderRetrySucceeded, 16021, QT_TRANSLATE_NOOP("StringTable", "Retry %u succeeded at address x%04X")) \
  TEXT(LoaderRetryWithFill, 16022, \
       QT_TRANSLATE_NOOP("StringTable", "Retry %u successful at address x%04X, %u fill bytes")) \
  TEXT(LoaderSendFailed, 16023, QT_TRANSLATE_NOOP("StringTable", "Send %s firmware failed at load address x%04X")) \
  TEXT(LoaderVersionVerified, 16025, QT_TRANSLATE_NOOP("StringTable", "%s firmware version verified")) \
  TEXT(LoaderVersionResponded, 16026, \
       QT_TRANSLATE_NOOP("StringTable", "Sent %s firmware file %s\r\n%s responded with version %s")) \
  TEXT(LoaderVersionVerifyFailed, 16027, \
       QT_TRANSLATE_NOOP("StringTable", "Firmware version verify failed. Reload %s firmware.")) \
  TEXT(LoaderNoEcho, 16028, \
       QT_TRANSLATE_NOOP("StringTable", "%s Bootstrap Loader did not echo \"%s\"\r\nRemove power and retry " \
                                        "firmware load")) \
  TEXT(FileLineError, 16029, QT_TRANSLATE_NOOP("StringTable", "Line %u, error code 0x%08X: %s")) \
  TEXT(LoaderDialogTitle, 16030, QT_TRANSLATE_NOOP("StringTable", "Sending %s Firmware")) \
  TEXT(LoaderTotalRetries, 16031, QT_TRANSLATE_NOOP("StringTable", "Total number of retries was %u")) \
  TEXT(LoaderHighestRetries, 16032, \
       QT_TRANSLATE_NOOP("StringTable", "Highest number of retries for any block was %u")) \
  TEXT(LoaderComplete, 16033, QT_TRANSLATE_NOOP("StringTable", "%s firmware load is complete")) \
  TEXT(LoaderClickClose, 16034, QT_TRANSLATE_NOOP("StringTable", "Click \"Close\" to close this window")) \
  TEXT(LoaderErrorCode, 16035, QT_TRANSLATE_NOOP("StringTable", "Error code 0x%08X: %s")) \
  TEXT(LoaderCloseQuestion, 16036, \
       QT_TRANSLATE_NOOP("StringTable", "Are you sure you wish to close the Utility while sending firmware?")) \
  TEXT(LoaderCloseQuestionTitle, 16037, QT_TRANSLATE_NOOP("StringTable", "Critical Operation in Progress")) \
  TEXT(LoaderLeftInLoader, 16038, \
       QT_TRANSLATE_NOOP("StringTable", "The %s is left in its bootstrap loader: send the firmware again to finish " \
                                        "the update")) \
  TEXT(LoaderRecovering, 16039, \
       QT_TRANSLATE_NOOP("StringTable", "Nothing answered: looking for a bootstrap loader left holding part of a " \
                                        "packet by a load cut short")) \
  TEXT(LoaderNotRecovered, 16041, \
       QT_TRANSLATE_NOOP("StringTable", "No bootstrap loader answered either: switch the %s off and on, then send " \
                                        "the firmware again")) \
  TEXT(ImageNameWithoutVersion, 16042, \
       QT_TRANSLATE_NOOP("StringTable", "The name of %s carries no version to check the load against: firmware " \
                                        "images are named like zu6400fw0105.hex (version 01.05)")) \
  TEXT(CancelButton, 16040, QT_TRANSLATE_NOOP("StringTable", "Cancel")) \
  /* Stored configuration: save, restore and the fault table. */ \
  COUNTED(WaitingForReset, 16080, QT_TRANSLATE_N_NOOP("StringTable", "Waiting %u seconds for reset")) \
  TEXT(SaveConfigurationTitle, 13512, QT_TRANSLATE_NOOP("StringTable", "Save Configuration")) \
  TEXT(SaveCancelled, 13520, QT_TRANSLATE_NOOP("StringTable", "Save configuration was cancelled")) \
  TEXT(ConfigurationSaved, 13521, QT_TRANSLATE_NOOP("StringTable", "Configuration was saved")) \
  TEXT(SaveFailed, 13522, QT_TRANSLATE_NOOP("StringTable", "Failed to save configuration")) \
  TEXT(SaveErrorTitle, 13523, QT_TRANSLATE_NOOP("StringTable", "Save Configuration Error")) \
  TEXT(ConfigurationFileFilter, 13524, \
       QT_TRANSLATE_NOOP("StringTable", "%s Configuration File (*.%s)|*.%s|All Files (*.*)|*.*|")) \
  TEXT(RestoreConfigurationTitle, 13510, QT_TRANSLATE_NOOP("StringTable", "Restore Configuration")) \
  TEXT(RestoringConfiguration, 13511, QT_TRANSLATE_NOOP("StringTable", "Restoring configuration")) \
  TEXT(ConfigurationRestored, 13530, QT_TRANSLATE_NOOP("StringTable", "Configuration was restored")) \
  TEXT(RestoreCancelled, 13531, QT_TRANSLATE_NOOP("StringTable", "Restore configuration was cancelled")) \
  TEXT(RestoreFailed, 13532, QT_TRANSLATE_NOOP("StringTable", "Failed to restore configuration")) \
  TEXT(RestoreErrorTitle, 13533, QT_TRANSLATE_NOOP("StringTable", "Restore Configuration Error")) \
  TEXT(InterruptRestoreQuestion, 13534, \
       QT_TRANSLATE_NOOP("StringTable", "Are you sure you wish to interrupt configuration restore?")) \
  TEXT(CriticalOperationTitle, 13535, QT_TRANSLATE_NOOP("StringTable", "Critical Operation in Progress")) \
  TEXT(RestoreInterrupted, 13536, \
       QT_TRANSLATE_NOOP("StringTable", "Restore was cancelled. Turn power off and back on, then restore " \
                                        "configuration.")) \
  TEXT(RestoreLeftIncomplete, 13540, \
       QT_TRANSLATE_NOOP("StringTable", "The tuner's stored configuration is now incomplete: restore a " \
                                        "configuration file again before using the tuner.")) \
  TEXT(SerialMismatchTitle, 13537, QT_TRANSLATE_NOOP("StringTable", "Serial Number Mismatch")) \
  TEXT(SerialMismatchText, 13538, \
       QT_TRANSLATE_NOOP("StringTable", "The Serial Number within the restore file\ndoes not match the Serial " \
                                        "Number of your ZU6400.\n\nRestore cannot continue.")) \
  TEXT(SerialMismatchQuestion, 13539, \
       QT_TRANSLATE_NOOP("StringTable", "The Serial Number within the restore file\ndoes not match the Serial " \
                                        "Number of your ZU6400.\n\nDo you want to restore this configuration " \
                                        "anyway?")) \
  TEXT(FaultTableTitle, 13802, QT_TRANSLATE_NOOP("StringTable", "Fault Table (Newest Entry at Top)")) \
  TEXT(FaultTableErrorTitle, 13804, QT_TRANSLATE_NOOP("StringTable", "Fault Table Error")) \
  TEXT(FaultColumnIndex, 13810, QT_TRANSLATE_NOOP("StringTable", "Index")) \
  TEXT(FaultColumnTimeOn, 13811, QT_TRANSLATE_NOOP("StringTable", "  Time On   ")) \
  TEXT(FaultColumnCode, 13812, QT_TRANSLATE_NOOP("StringTable", "Fault Code    ")) \
  TEXT(FaultColumnData, 13813, QT_TRANSLATE_NOOP("StringTable", "Variable Data")) \
  TEXT(FaultPowerOn, 13820, QT_TRANSLATE_NOOP("StringTable", "00 - Power On")) \
  TEXT(FaultNoMatchCode, 13821, QT_TRANSLATE_NOOP("StringTable", "01 - No match")) \
  TEXT(FaultVfwdTooHigh, 13822, QT_TRANSLATE_NOOP("StringTable", "02 - VFWD too high for SWR")) \
  TEXT(FaultVfwdHotswitch, 13823, QT_TRANSLATE_NOOP("StringTable", "03 - VFWD above relay hotswitch limit")) \
  TEXT(FaultSwrAboveKeyInterruptCode, 13824, QT_TRANSLATE_NOOP("StringTable", "04 - SWR above Amp Key Interrupt SWR")) \
  TEXT(FaultNoMatchDetail, 13825, QT_TRANSLATE_NOOP("StringTable", "81 - No match detail")) \
  TEXT(FaultUnrecognized, 13826, QT_TRANSLATE_NOOP("StringTable", "%02X Unrecognized")) \
  TEXT(FaultTimes, 13827, QT_TRANSLATE_NOOP("StringTable", "%u times")) \
  TEXT(FaultDataFormat, 13828, "F %u VFWD %u VRFL %u SWR %u.%02u SWRB %u.%02u") \
  TEXT(FaultStepsFormat, 13829, "STEPS %u AN %u BYP%c SIDE%c C%02X L%02X") \
  TEXT(ReadingsLogTitle, 18401, QT_TRANSLATE_NOOP("StringTable", "Log Readings")) \
  TEXT(ReadingsLogOpenFailed, 18402, \
       QT_TRANSLATE_NOOP("StringTable", "Readings cannot be logged to \"%s\"\r\nError 0x%08X: %s")) \
  TEXT(ReadingsLogWriteFailed, 18403, \
       QT_TRANSLATE_NOOP("StringTable", "Logging of readings stopped: writing to \"%s\" failed\r\nError 0x%08X: " \
                                        "%s\r\nThe lines written before are kept.")) \
  TEXT(ReadingsLogStatus, 18404, QT_TRANSLATE_NOOP("StringTable", "Logging readings to %s")) \
  /* Configuration page, edit-configuration sheet and the configuration dialogs. */ \
  TEXT(RestoreTooltip, 13502, QT_TRANSLATE_NOOP("StringTable", "Restore a previously saved configuration")) \
  TEXT(SaveTooltip, 13506, QT_TRANSLATE_NOOP("StringTable", "Save configuration in a computer file")) \
  TEXT(ResetTooltip, 13844, \
       QT_TRANSLATE_NOOP("StringTable", "Return every setting to its factory default and erase all ATU memories")) \
  TEXT(EditTooltip, 19002, QT_TRANSLATE_NOOP("StringTable", "View or change configuration")) \
  TEXT(SheetTitle, 19300, QT_TRANSLATE_NOOP("StringTable", "ZU6400 Configuration")) \
  TEXT(OptimizedForZp5100, 19302, QT_TRANSLATE_NOOP("StringTable", "Now Optimized for ZP5100")) \
  TEXT(OptimizeForZp5100, 19304, QT_TRANSLATE_NOOP("StringTable", "Optimize for ZP5100")) \
  TEXT(ResetDialogTitle, 13840, QT_TRANSLATE_NOOP("StringTable", "Reset Configuration to Factory Defaults")) \
  TEXT(ResetErrorTitle, 13846, QT_TRANSLATE_NOOP("StringTable", "Reset Configuration Error")) \
  TEXT(EraseMemoryTitle, 13862, QT_TRANSLATE_NOOP("StringTable", "Erase Antenna Tuner Memories")) \
  TEXT(ErasingMemory, 13867, QT_TRANSLATE_NOOP("StringTable", "Erasing Band %s Antenna %u")) \
  TEXT(MemoryErased, 13868, QT_TRANSLATE_NOOP("StringTable", "ATU memory erased Band %s Antenna %u"))

namespace Str {
#define ZU_STRING_ID(name, number, text) constexpr unsigned name = number;
ZU_STRING_TABLE(ZU_STRING_ID, ZU_STRING_ID)
#undef ZU_STRING_ID
}  // namespace Str

// The text of a string-table entry in the program's language; an unknown
// number gives "". A text with a count takes the plural form for count.
QString LoadString(unsigned id, int count = -1);

// The device model name that fills "%s" and "??" in texts.
const QString& ModelName();
