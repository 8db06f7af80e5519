<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Dialogs</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ExportProgress</name>
    <message>
        <source>Экспорт в %1…</source>
        <translation>Exporting to %1…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LateSound</name>
    <message>
        <source>Не удалось загрузить модуль звука: %1</source>
        <translation>Could not load the sound module: %1</translation>
    </message>
    <message>
        <source>Звук выключен: не удалось загрузить модуль звука</source>
        <translation>Sound off: could not load the sound module</translation>
    </message>
    <message>
        <source>Звук выключен: не удалось запустить синтезатор</source>
        <translation>Sound off: could not start the synthesizer</translation>
    </message>
</context>
<context>
    <name>RingtoneMenu</name>
    <message>
        <source>Не удалось прочитать файл %1: %2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
</context>
<context>
    <name>SoundStatus</name>
    <message>
        <source>Загружается звук: %1…</source>
        <translation>Loading sound: %1…</translation>
    </message>
    <message>
        <source>Звук выключен: не найден SoundFont General MIDI</source>
        <translation>Sound off: no General MIDI SoundFont found</translation>
    </message>
    <message>
        <source>Звук выключен: не удалось загрузить %1</source>
        <translation>Sound off: could not load %1</translation>
    </message>
    <message>
        <source>Звук выключен: нет устройства вывода звука</source>
        <translation>Sound off: no audio output device</translation>
    </message>
    <message>
        <source>Звук: %1</source>
        <translation>Sound: %1</translation>
    </message>
</context>
<context>
    <name>TMainForm2</name>
    <message>
        <source>Аранжировщик полифонических мелодий Arvento  v 2.1.1 </source>
        <translation>Arranger of polyphonic melodies Arvento  v 2.1.1 </translation>
    </message>
    <message>
        <source>Проект не открыт</source>
        <translation>No project open</translation>
    </message>
    <message>
        <source>Тема</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>Правка записанной мелодии</source>
        <translation>Edit the recorded melody</translation>
    </message>
    <message>
        <source>Аккорды</source>
        <translation>Chords</translation>
    </message>
    <message>
        <source>Запись и правка аккордов</source>
        <translation>Record and edit chords</translation>
    </message>
    <message>
        <source>Тема-подб.</source>
        <translation>Pick melody</translation>
    </message>
    <message>
        <source>Подбор и запись мелодии</source>
        <translation>Pick out a melody by ear and record it</translation>
    </message>
    <message>
        <source>Партии</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Проиграть</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Проиграть канал</source>
        <translation>Play the channel</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить канал</source>
        <translation>Save the channel</translation>
    </message>
    <message>
        <source>Прочитать</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Прочитать канал из файла</source>
        <translation>Load the channel from a file</translation>
    </message>
    <message>
        <source>Из буфера</source>
        <translation>From buffer</translation>
    </message>
    <message>
        <source>Объединить и показать все фрагменты</source>
        <translation>Join and show all fragments</translation>
    </message>
    <message>
        <source>Октава +</source>
        <translation>Octave +</translation>
    </message>
    <message>
        <source>Повысить звучание на октаву</source>
        <translation>Raise the sound by an octave</translation>
    </message>
    <message>
        <source>Октава -</source>
        <translation>Octave -</translation>
    </message>
    <message>
        <source>Понизить звучание на октаву</source>
        <translation>Lower the sound by an octave</translation>
    </message>
    <message>
        <source>Файлы проекта</source>
        <translation>Project files</translation>
    </message>
    <message>
        <source> Стиль </source>
        <translation> Style </translation>
    </message>
    <message>
        <source>Фортепиано</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Гитара</source>
        <translation>Guitar</translation>
    </message>
    <message>
        <source>Арпеджио</source>
        <translation>Arpeggio</translation>
    </message>
    <message>
        <source>Восстановить</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Новая</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Запись нового фрагмента мелодии</source>
        <translation>Record a new melody fragment</translation>
    </message>
    <message>
        <source>Удаление</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Режим удаления или ввода дилитльностей нот</source>
        <translation>Switch between erasing notes and entering note lengths</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Проверка звучания мелодии и запись в промежуточный буфер</source>
        <translation>Hear the melody and keep it in the intermediate buffer</translation>
    </message>
    <message>
        <source>Дл.ноты</source>
        <translation>Note len.</translation>
    </message>
    <message>
        <source>Проиграть текущий фрагмент</source>
        <translation>Play the current fragment</translation>
    </message>
    <message>
        <source>Запись</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Запись мелодии </source>
        <translation>Record the melody</translation>
    </message>
    <message>
        <source>Подбор</source>
        <translation>Pick out</translation>
    </message>
    <message>
        <source>Подбор мелодии и инструмента</source>
        <translation>Pick out the melody and the instrument by ear</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Прервать воспроизведение фрагмента</source>
        <translation>Stop playing the fragment</translation>
    </message>
    <message>
        <source>Перезапись</source>
        <translation>Re-record</translation>
    </message>
    <message>
        <source>Перезаписать фрагмент</source>
        <translation>Record the fragment again</translation>
    </message>
    <message>
        <source>Сохр. фрагм.</source>
        <translation>Keep fragment</translation>
    </message>
    <message>
        <source>Сохранение фрагмента мелодии в память</source>
        <translation>Keep the melody fragment in memory</translation>
    </message>
    <message>
        <source> Записанные аккорды </source>
        <translation> Recorded chords </translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source> Партия </source>
        <translation> Part </translation>
    </message>
    <message>
        <source>Бас/Перебор</source>
        <translation>Bass/Picking</translation>
    </message>
    <message>
        <source>Ударные</source>
        <translation>Drums</translation>
    </message>
    <message>
        <source>Ритм</source>
        <translation>Rhythm</translation>
    </message>
    <message>
        <source>База для подбора</source>
        <translation>Base chord</translation>
    </message>
    <message>
        <source>Создать партию</source>
        <translation>Create part</translation>
    </message>
    <message>
        <source> Размер </source>
        <translation> Time signature </translation>
    </message>
    <message>
        <source> Сборка мелодии </source>
        <translation> Melody assembly </translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Сохранить сборку как звуковой файл для телефона</source>
        <translation>Save the assembly as a sound file for a phone</translation>
    </message>
    <message>
        <source>Пиано-ролл</source>
        <translation>Piano roll</translation>
    </message>
    <message>
        <source>Показать собранный файл пиано-роллом</source>
        <translation>Show the assembled file as a piano roll</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Группа инструментов</source>
        <translation>Instrument group</translation>
    </message>
    <message>
        <source>Инструмент</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Канал</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Голос</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Темп</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Модуляция</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>гр. max</source>
        <translation>vol. max</translation>
    </message>
    <message>
        <source>Изменить максимум громкости</source>
        <translation>Change the volume maximum</translation>
    </message>
    <message>
        <source>Проект</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Открыть проект</source>
        <translation>Open the project</translation>
    </message>
    <message>
        <source>Удалить файл из проекта</source>
        <translation>Delete the file from the project</translation>
    </message>
    <message>
        <source>Все заново</source>
        <translation>Start over</translation>
    </message>
    <message>
        <source>Сборка</source>
        <translation>Assembly</translation>
    </message>
</context>
<context>
    <name>arvento::app::MediaPlayerBar</name>
    <message>
        <source>Воспроизвести</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>arvento::app::RollTrackList</name>
    <message>
        <source>Показать</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Приглушить</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Скрыть</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Дорожки</source>
        <translation>Tracks</translation>
    </message>
</context>
<context>
    <name>arvento::app::RollView</name>
    <message>
        <source>Сила</source>
        <translation>Velocity</translation>
    </message>
</context>
<context>
    <name>arvento::app::RollWindow</name>
    <message>
        <source>Пиано-ролл: %1</source>
        <translation>Piano roll: %1</translation>
    </message>
</context>
<context>
    <name>arvento::app::TAboutBox</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Аранжировщик полифонических мелодий для мобильных телефонов: мелодия, аккорды и партии сводятся в один MIDI-файл.</source>
        <translation>Arranger of polyphonic melodies for mobile phones: the melody, the chords and the parts are mixed into one MIDI file.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>arvento::app::TMainForm2</name>
    <message>
        <source>Максимум громкости &quot;%1&quot; не целое число.</source>
        <translation>The volume maximum &quot;%1&quot; is not a whole number.</translation>
    </message>
    <message>
        <source>Сборка</source>
        <translation>Assembly</translation>
    </message>
    <message>
        <source>Нет файла с записью аккордов</source>
        <translation>There is no chord record file</translation>
    </message>
    <message>
        <source>В этом файле записана мелодия</source>
        <translation>This file holds a melody</translation>
    </message>
    <message>
        <source>Резервное поле записи аккордов пустое, восстановление невозможно</source>
        <translation>The reserve chord pane is empty: there is nothing to restore</translation>
    </message>
    <message>
        <source>Рисовать</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Новый фрагмент мелодии?</source>
        <translation>Start a new melody fragment?</translation>
    </message>
    <message>
        <source>Переход к подбору мелодии отменит ранее набранную часть мелодии. Продолжить?</source>
        <translation>Picking out the melody by ear discards the part of the melody typed so far. Continue?</translation>
    </message>
    <message>
        <source>Введенные ноты будут удалены. Продолжить?</source>
        <translation>The notes entered will be deleted. Continue?</translation>
    </message>
    <message>
        <source>Правка одиночной партии</source>
        <translation>Editing a single part</translation>
    </message>
    <message>
        <source>Запись аккордов</source>
        <translation>Recording chords</translation>
    </message>
    <message>
        <source>Запись одиночной партии</source>
        <translation>Recording a single part</translation>
    </message>
    <message>
        <source>Запись перебора</source>
        <translation>Recording a picking pattern</translation>
    </message>
    <message>
        <source>Сохранить записанный фрагмент?</source>
        <translation>Keep the recorded fragment?</translation>
    </message>
    <message>
        <source>Вывести всю запись?</source>
        <translation>Show the whole recording?</translation>
    </message>
    <message>
        <source>Не выбран файл с записью RTTTL-E</source>
        <translation>No RTTTL-E record file is selected</translation>
    </message>
    <message>
        <source>В этом файле записаны аккорды</source>
        <translation>This file holds chords</translation>
    </message>
    <message>
        <source>Введите запись аккордов на панели &quot;аккорды&quot;</source>
        <translation>Enter the chords on the &quot;Chords&quot; page</translation>
    </message>
    <message>
        <source>Не задано название проекта, принято значение tmp</source>
        <translation>No project name given: using tmp</translation>
    </message>
    <message>
        <source>Буфер содержит несохраненный фрагмент мелодии. Удалить?</source>
        <translation>The buffer holds an unsaved melody fragment. Delete it?</translation>
    </message>
    <message>
        <source>Cannot create %1</source>
        <translation>Cannot create %1</translation>
    </message>
    <message>
        <source>Удалить файл из проекта?</source>
        <translation>Delete the file from the project?</translation>
    </message>
    <message>
        <source>Не удалось удалить файл %1: %2</source>
        <translation>Could not delete the file %1: %2</translation>
    </message>
    <message>
        <source>Удалить все текущие наработки?</source>
        <translation>Discard all the current work?</translation>
    </message>
    <message>
        <source>Единственно правильное и мудрое решение!</source>
        <translation>The one right and wise decision!</translation>
    </message>
    <message>
        <source>Файл %1 в проекте уже записан. Перезаписать?</source>
        <translation>The file %1 is already in the project. Overwrite it?</translation>
    </message>
    <message>
        <source>Канал %1, голос %2 в проекте уже задействованы. Использовать еще раз?</source>
        <translation>Channel %1, voice %2 is already used in the project. Use it again?</translation>
    </message>
    <message>
        <source>Вставить RTTTL</source>
        <translation>Paste RTTTL</translation>
    </message>
    <message>
        <source>Копировать как RTTTL</source>
        <translation>Copy as RTTTL</translation>
    </message>
    <message>
        <source>Открыть мелодию RTTTL</source>
        <translation>Open an RTTTL melody</translation>
    </message>
    <message>
        <source>Мелодии RTTTL (*.txt *.rtttl *.rtx)</source>
        <translation>RTTTL melodies (*.txt *.rtttl *.rtx)</translation>
    </message>
    <message>
        <source>Все файлы (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>В файле нет ни одной мелодии RTTTL</source>
        <translation>The file holds no RTTTL melody</translation>
    </message>
    <message>
        <source>Выберите мелодию</source>
        <translation>Choose a melody</translation>
    </message>
    <message>
        <source>Текст мелодии будет заменен. Продолжить?</source>
        <translation>The melody text will be replaced. Continue?</translation>
    </message>
    <message>
        <source>Вставлена мелодия RTTTL, темп %1</source>
        <translation>RTTTL melody pasted, tempo %1</translation>
    </message>
    <message>
        <source>Мелодия скопирована в буфер обмена как RTTTL</source>
        <translation>Melody copied to the clipboard as RTTTL</translation>
    </message>
    <message>
        <source>Пиано-ролл</source>
        <translation>Piano roll</translation>
    </message>
    <message>
        <source>Ваша звуковая карта поддерживает громкость свыше 127, вы уверены?</source>
        <translation>Are you sure your sound card supports volumes above 127?</translation>
    </message>
    <message>
        <source>Максимум громкости не может быть меньше %1.</source>
        <translation>The volume maximum cannot be less than %1.</translation>
    </message>
    <message>
        <source>Записан файл %1: %2 с</source>
        <translation>Wrote %1: %2 s</translation>
    </message>
    <message>
        <source>Экспорт звука…</source>
        <translation>Export sound…</translation>
    </message>
    <message>
        <source>Экспорт звука</source>
        <translation>Export sound</translation>
    </message>
</context>
</TS>
