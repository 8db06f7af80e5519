#pragma once

// The main window: one class that owns all state and all commands of the
// program. Its implementation is split by page: each page file holds the
// handlers, helpers and fields declared in that page's section below, and a
// Connect<Page>() that wires the page's controls to them; ConnectControls()
// calls every Connect<Page>(). Every handler runs through Run(), the one
// error guard.

#include "app/FormServices.h"
#include "app/GridPicture.h"
#include "chords/AccompanimentCompiler.h"
#include "core/SoundSettings.h"
#include "generators/PatternGenerator.h"
#include "melody/KeyboardRecording.h"
#include "melody/RtttlConversion.h"
#include "project/Assembly.h"
#include "project/PartRecord.h"
#include "ui_MainForm.h"

#include <QMainWindow>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidgetItem;

namespace arvento::player {
class TMidiGen;
}

namespace arvento::app {

class TAboutBox;

class TMainForm2 : public QMainWindow, private Ui::TMainForm2 {
  Q_OBJECT

public:
  explicit TMainForm2(const FormServices& services, QWidget* parent = nullptr);
  ~TMainForm2() override;

  // The sound's state in the status bar and the about box: the program calls
  // it again once the SoundFont has loaded in the background.
  void ShowSound(const QString& status, const QString& description);

  // What the window keeps beside its controls, for checks from outside.
  // The live note player as the settings left it.
  const player::TMidiGen& LivePlayer() const { return *MidiGen1; }
  // The grid page: the rhythm pane, the fragment buffer and the recording.
  const std::vector<std::string>& RhythmText() const { return re1; }
  const std::vector<std::string>& RhythmBuffer() const { return re11; }
  const std::vector<std::string>& MelodyBuffer() const { return re22; }
  const melody::KeyboardRecording& Recording() const { return keyboardRecording; }
  int OctaveOffset() const { return octaveOffset; }
  // The chord page: the expanded chords of the last compile and its settings.
  const std::vector<std::string>& ExpandedChords() const { return lbFin; }
  int AccompanimentOctaveShift() const { return accOctaveShift; }
  bool PickingStyleIsPiano() const { return rbFno2; }
  bool PickingStyleIsGuitar() const { return rbGuitar2; }

protected:
  // Runs FormActivate once, when the window is first shown. Window managers
  // differ in whether and when they activate a new window, so the first
  // showing stands for the first activation.
  void showEvent(QShowEvent* event) override;

private:
  // ==== Application shell: start-up, modes, shared state (MainForm.cpp) ====

  void ConnectControls();
  void ConnectShell();
  // The one error guard: a command that throws ends with one error box.
  void Run(const std::function<void()>& command);
  void OnClick(QAbstractButton* button, void (TMainForm2::*handler)());
  // A radio button's handler runs when the button becomes selected, by the
  // mouse, the arrow keys or the program; a click on the selected one does nothing.
  void OnSelected(QAbstractButton* button, void (TMainForm2::*handler)());
  void OnItemClicked(QListWidget* list, void (TMainForm2::*handler)());
  // An entry of the context menu of every project file list, which acts on
  // the list's selected file.
  void AddFileListEntry(const QString& text, void (TMainForm2::*action)(const std::filesystem::path& file));
  void OnItemDoubleClicked(QListWidget* list, void (TMainForm2::*handler)());
  // The grid page and the parts page each show the metre buttons and the
  // note-length list: a metre selected or a length chosen on this page
  // selects or chooses the same on the other page, then redraws this page's grid.
  void MirrorGridChoices(QRadioButton* eight, QRadioButton* six, QComboBox* length, QRadioButton* otherEight,
                         QRadioButton* otherSix, QComboBox* otherLength, void (TMainForm2::*redraw)());

  void FormActivate();
  void bbMelodClick();
  void bbAccordsClick();
  void bbPodbClick();
  void bbPereborClick();
  void SpeedButton1Click();
  void SpeedButton3Click();
  void ResetRecording();

  // Shows the page with the project title and the mode text in the mode label.
  void ShowMode(QWidget* page, const QString& modeText);
  // Colours the pressed mode button red and the other three black.
  void MarkModeButton(QAbstractButton* pressed);
  bool PageVisible(const QWidget* page) const { return nbMain->currentWidget() == page; }
  void SetStatusText(const QString& text);
  // Where a written part file goes: into no player, or into the melody
  // page's player mp1 or the player mp2 of the other pages, opened only or
  // also played.
  enum class PlayTarget { None, OpenInMp1, PlayInMp1, OpenInMp2, PlayInMp2 };
  // The target of a compile on the page in front: the melody page has mp1,
  // the others mp2; the parts page keeps its files out of the players unless
  // its drawn figure is being tested.
  PlayTarget PageInFrontTarget(bool play) const;
  // Writes a part file into the audition or the project directory; the page
  // players let go of their files first, and the target gets the new one.
  void WriteMidiFile(const std::string& fileName, bool toAuditionDir, PlayTarget target,
                     const std::vector<std::uint8_t>& bytes);
  void PlayerButtonClick(MediaPlayerBar& player, MediaPlayerBar::Button button);

  Dialogs& dialogs;
  const decltype(FormServices::exportMidiFile) exportMidiFile;
  const std::filesystem::path startDirectory;
  std::unique_ptr<player::TMidiGen> MidiGen1;
  TAboutBox* aboutBox;
  QLabel* stbText;
  QLabel* stbSound;
  bool activated = false;

  GridPicture pb1Picture;
  GridPicture pb2Picture;

  std::filesystem::path baseDir;
  std::filesystem::path projectDir;
  std::filesystem::path auditionDir;
  std::string projectName;  // empty while no project is open; else the assembled file's name
  std::string projectTitle; // the project name as entered
  // Whether the last compile played its file rather than saved it; a chord
  // record read afterwards plays as well.
  bool autoPlay = false;
  // Set by the test of the parts page's drawn figure until a part is made
  // from it: meanwhile the page's plays go to mp2.
  bool partsTestRequest = false;
  // The kind of the last part assembled, whose file the assembly page names.
  project::PartKind assemblyRole = project::PartKind::Melody;
  std::array<QSlider*, 16> channelSliders{};
  bool recordMode = false;
  int accOctaveShift = 2;
  generators::PartMode partMode = generators::PartMode::BassOrPicking;
  int octaveOffset = -12;
  bool recordingOn = false;
  bool noteSounding = false;
  // The pitches played while recording: recordedNotes, recordedCount.
  melody::KeyboardRecording keyboardRecording;
  // The notes and rests of the last conversion of the drawn rhythm.
  std::vector<melody::MelodySlot> melodySlots;
  // The hidden texts: rhythm pane and the fragment buffer.
  std::vector<std::string> re1;
  std::vector<std::string> re11;
  std::vector<std::string> re22;

  // ==== Settings group: instrument, channel, voice, tempo, volume (SettingsGroup.cpp) ====

  void ConnectSettingsGroup();
  void FillInstrumentList();
  void SelectInstrument();
  void cbFamilyChange();
  void cbInstByFamilyChange();
  void SpeedButton2Click();
  SoundSettings CurrentSoundSettings() const;

  int programNumber = 0;
  int familyIndex = 0;

  // ==== Project group and project store (ProjectGroup.cpp) ====

  void ConnectProjectGroup();
  void bbOpenProjectClick();
  void sbEraseClick();
  void bbKillAllClick();
  void dlb1Click(QListWidgetItem* item);
  void flbSumClick();
  void flbSumDblClick();
  // Opens the project "tmp" for a command that found no project open.
  void OpenDefaultProject();
  std::string PartFileName() const;
  void WritePartRecord(project::PartKind kind, int channel, int voice);
  // Asks before a save of the current channel and voice overwrites its part
  // file, or reuses a channel and voice that the twin part (twinRole) holds;
  // true when the save may go on.
  bool ConfirmPartSave(char twinRole);
  // Sets the sound settings of a part record into the settings group.
  void ApplyRecordSettings(const project::PartRecord& record);
  // Whether a part file is chosen and its record lies beside it; if not,
  // tells the message.
  bool HasRecord(const std::filesystem::path& file, const QString& ifNone);
  void UpdateFileLists();
  // Makes the directory unless it is there; throws "Cannot create" naming it.
  static void EnsureDirectory(const std::filesystem::path& directory);

  // ==== Melody page "work" (MelodyPage.cpp) ====

  void ConnectMelodyPage();
  void buPlayClick();
  void bbSaveSingleClick();
  void bbReadClick();
  void flb2Click();
  void CompileMelody(bool toAuditionDir, PlayTarget target);

  // The melody pane's context menu: its editing entries, then the classic
  // ringtone's (RingtoneMenu.cpp).
  void ConnectRingtoneMenu();
  // Opens a ringtone of the clipboard, or of a file the user chooses when the
  // clipboard holds none, into the melody pane and the tempo.
  void PasteRingtoneClick();
  // Puts the melody pane on the clipboard as a classic ringtone.
  void CopyRingtoneClick();

  // ==== Grid page "save": keyboard recording (Keyboard.cpp), melody grid
  // (GridPage.cpp), conversion, fragments and octaves (MelodyFragments.cpp) ====

  void ConnectGridPage();

  void buRecCardKeyPress(int charCode);
  void buRecCardKeyUp(int keyCode);
  void buRecCardClick();
  void buPodborClick();
  void buNewRecClick();

  // Draws a grid empty in the metre of rb6, which from then on is the
  // geometry of both grids.
  void DrawEmptyGrid(GridPicture& picture, GridCanvas& view);
  // Toggles gridEraseMode and captions the grid's erase button.
  void ToggleGridEraseMode(QAbstractButton& button);

  void bbSetkaClick();
  void bbDrawEraseClick();
  void pb1MouseDown(Qt::MouseButtons held, int x, int y);
  void pb1MouseMove(int x);
  void pb1MouseUp(Qt::MouseButton button, int x, int y);

  void bbProbaClick();
  // Reads pb2 when the parts page is in front, else pb1, into RTTTL-E in re2
  // and plays it.
  void ConvertGrid();
  void buPlayRTTTLClick();
  void bbPlayClick();
  void buFromMemoryClick();
  void bbStopClick();
  void buIncClick();
  void buDecClick();
  void ShiftOctave(int octaves);

  int lastNote = 0;
  // The geometry of the grid drawn last, in which both grids are drawn on
  // and read.
  melody::GridGeometry gridGeometry = melody::kFourFourGrid;
  // One erase mode for both grids.
  bool gridEraseMode = false;
  // Whether the status bar shows why the last octave shift was refused.
  bool octaveRefusalShown = false;

  // ==== Chord page "acc" (ChordPage.cpp) ====

  void ConnectChordPage();
  void bbDragonClick();
  void bbSaveAccordCHClick();
  void bbClearAllAccClick();
  void bbReadAClick();
  void bbRestoreClick();
  // Copies the lines of the chord pane from into to, or tells ifEmpty when it has none.
  void CopyChordPane(const QPlainTextEdit& from, QPlainTextEdit& to, const QString& ifEmpty);
  void bbOctpClick();
  void bboctmClick();
  void flb1Click();
  // The players' buttons: only one file plays at a time.
  void mp1Click();
  void mp2Click();
  void mpSumClick();
  void rbFnoClick();
  void rbGuitarClick();
  chords::AccompanimentSettings CurrentAccompanimentSettings() const;
  // What an accompaniment compile reads: the chord pane (the reserve reAcc2
  // on the parts page) or the base chord of the parts page.
  enum class ChordSource { Pane, BaseChord };
  // Compiles the chords into the part file: the audition copy only, or with
  // toAuditionDir clear the project file first.
  void CompileAccompaniment(ChordSource source, bool toAuditionDir, PlayTarget target);
  // Shows what the expansion of the lines found: the cleaned lines back in
  // the pane they came from, the reserve's first line kept, the expanded
  // chords in lbFin and the notices in the status bar.
  void ShowExpansion(QPlainTextEdit& pane, const std::vector<std::string>& lines,
                     const chords::AccompanimentResult& expansion);
  // Tells in the status bar what a chord compile has to say: the chord items
  // it skipped and why, and the symbols that seem to use a flat.
  void ShowCompileNotices(const std::vector<std::string>& notices);

  // The expanded chord list of the last compile.
  std::vector<std::string> lbFin;
  // The style choice of the picking settings, which mirrors rbFno and rbGuitar.
  bool rbFno2 = false;
  bool rbGuitar2 = true;
  bool compileNoticesShown = false;

  // ==== Assembly page "Sborka" (AssemblyPage.cpp) ====

  void ConnectAssemblyPage();
  void bbSborClick();
  void bbSobrClick();
  // Assembles the project as the save button does and opens the assembled
  // file in the project player; nullopt when there was nothing to assemble.
  std::optional<std::filesystem::path> AssembleIntoPlayer();
  void BitBtn1Click();
  // Leaves the settings and the panes as the last part processed set them:
  // the settings of the last part, the texts of the last melody and the last
  // chord part.
  void ShowAssembledParts(const std::vector<project::ProjectPart>& parts);

  // ==== Sound export: the assembly page's button and the file lists' menu
  // entry (SoundExportPage.cpp) ====

  void ConnectSoundExport();
  void bbExportClick();
  // Asks for a sound file and exports the MIDI file into it with the
  // defaults of arvento-cli export, telling the written file in the status bar.
  void ExportSound(const std::filesystem::path& midiFile);

  // ==== Piano roll: the file lists' menu entry and the assembly page's
  // button open a roll window of a file (RollEntries.cpp) ====

  void ConnectRoll();
  void bbRollClick();
  // Opens a window of its own that shows the MIDI file as a piano roll.
  void OpenRoll(const std::filesystem::path& midiFile);

  // Makes the file players of the roll windows.
  std::function<std::unique_ptr<player::FilePlayer>(const std::string& name)> newFilePlayer;
  std::function<std::chrono::steady_clock::time_point()> clock;
  // The file the last assembly wrote; empty before an assembly of the open project.
  std::filesystem::path assembledFile;

  // ==== Parts page "perebor" (PartsPage.cpp) ====

  void ConnectPartsPage();
  void bbSetClick();
  void bbDellinClick();
  void pb2MouseDown(Qt::MouseButtons held, int x, int y);
  void pb2MouseMove(int x);
  void pb2MouseUp(int x, int y);
  void bbAccpClick();
  void bbProv2Click();
  void bbShowClick();
  void rbBasClick();
  void rbDrumsClick();
  void rbRitmClick();
  void bbBasClick();
  // The generators' bar in columns: 8 in 4/4, 6 in 3/4.
  int PatternBarCells() const;
  // The run keys of the pattern grid's row and its end-of-row mark.
  std::vector<std::string> CollectPatternRuns() const;
  // The figure in the first line of re2 over every chord of reAcc2, into re2.
  void GeneratePatternPart(generators::PartMode mode);
  // The chords of reAcc2 re-struck in the drawn rhythm, into reAcc.
  void GenerateRhythm();
};

} // namespace arvento::app
