<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>App</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation>%1 wird geladen</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Reelkeep did not close properly. Recover the unsaved changes to %1 from %2?</source>
        <translation>Reelkeep wurde nicht ordnungsgemäß beendet. Die nicht gespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The journal of unsaved changes to %1 was kept for another version of the catalogue and is not used.</source>
        <translation>Das Protokoll der nicht gespeicherten Änderungen an %1 wurde für eine andere Fassung des Katalogs geführt und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>The journal of unsaved changes to %1 is damaged and is not used.</source>
        <translation>Das Protokoll der nicht gespeicherten Änderungen an %1 ist beschädigt und wird nicht verwendet.</translation>
    </message>
    <message>
        <source>reelkeep: the journal of unsaved changes could not be written (%1); until the catalogue is saved, only the recovery copy keeps them</source>
        <translation>reelkeep: Das Protokoll der nicht gespeicherten Änderungen konnte nicht geschrieben werden (%1); bis der Katalog gespeichert ist, bewahrt nur die Wiederherstellungskopie sie auf</translation>
    </message>
    <message>
        <source>reelkeep: the recovery copy was not written within %1 seconds; its writer was stopped</source>
        <translation>reelkeep: Die Wiederherstellungskopie wurde nicht innerhalb von %1 Sekunden geschrieben; das Schreiben wurde abgebrochen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Reelkeep Files (*.smf)</source>
        <translation>Reelkeep-Dateien (*.smf)</translation>
    </message>
    <message>
        <source>Comma separated volume (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Untitled.csv</source>
        <translation>Unbenannt.csv</translation>
    </message>
    <message>
        <source>Comma separated values (*.csv);;All files (*)</source>
        <translation>Kommagetrennte Werte (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Doc files (*.doc)</source>
        <translation>Doc-Dateien (*.doc)</translation>
    </message>
    <message>
        <source>Untitled.doc</source>
        <translation>Unbenannt.doc</translation>
    </message>
    <message>
        <source>The file %1 was changed by another program after Reelkeep opened it.

Replace it with this catalogue?</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert, nachdem Reelkeep sie geöffnet hatte.

Soll sie durch diesen Katalog ersetzt werden?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 aus</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Color Printer not detected.  Printer color set to black only.</source>
        <translation>Kein Farbdrucker gefunden.  Die Druckfarbe wurde auf Schwarz gesetzt.</translation>
    </message>
    <message>
        <source>reelkeep: the Reelkeep already running did not answer within %1 seconds.</source>
        <translation>reelkeep: Das bereits laufende Reelkeep hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The pages %1 to %2 are not in the document; it has %3 pages.</source>
        <translation>Die Seiten %1 bis %2 sind nicht im Dokument enthalten; es hat %3 Seiten.</translation>
    </message>
    <message>
        <source>reelkeep: cannot print %1: no printer is installed.</source>
        <translation>reelkeep: %1 kann nicht gedruckt werden: Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>reelkeep: cannot print %1: %2</source>
        <translation>reelkeep: %1 kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Catalogues of other programs (*.tc *.gcs *.xml *.amc);;Tellico (*.tc *.xml);;GCstar (*.gcs);;Data Crow (*.xml);;Ant Movie Catalog (*.amc *.xml);;All files (*)</source>
        <translation>Kataloge anderer Programme (*.tc *.gcs *.xml *.amc);;Tellico (*.tc *.xml);;GCstar (*.gcs);;Data Crow (*.xml);;Ant Movie Catalog (*.amc *.xml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new catalogue</source>
        <translation>Einen neuen Katalog anlegen</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing catalogue</source>
        <translation>Einen vorhandenen Katalog öffnen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the catalogue</source>
        <translation>Den Katalog speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the catalogue under a new name</source>
        <translation>Den Katalog unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the catalogue</source>
        <translation>Den Katalog drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Show the printed pages on the screen</source>
        <translation>Die Druckseiten auf dem Bildschirm zeigen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druckere&amp;inrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Drucker und Druckoptionen ändern</translation>
    </message>
    <message>
        <source>&amp;Comma Separated Volume (csv)</source>
        <translation>&amp;Kommagetrennte Werte (csv)</translation>
    </message>
    <message>
        <source>Exports to the file to a different format</source>
        <translation>Exportiert die Datei in ein anderes Format</translation>
    </message>
    <message>
        <source>Export the file to a different format</source>
        <translation>Die Datei in ein anderes Format exportieren</translation>
    </message>
    <message>
        <source>&amp;Doc File (doc)</source>
        <translation>&amp;Doc-Datei (doc)</translation>
    </message>
    <message>
        <source>Exports the file as a plain text listing</source>
        <translation>Exportiert die Datei als reine Textliste</translation>
    </message>
    <message>
        <source>&amp;Comma Separated Values...</source>
        <translation>&amp;Kommagetrennte Werte...</translation>
    </message>
    <message>
        <source>Adds the movies of a comma separated values file</source>
        <translation>Fügt die Filme einer Datei mit kommagetrennten Werten hinzu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Reelkeep; asks to save a changed catalogue</source>
        <translation>Reelkeep beenden; fragt, ob ein geänderter Katalog gespeichert werden soll</translation>
    </message>
    <message>
        <source>&amp;Enter...	Ctrl+E</source>
        <translation>&amp;Eingeben...	Ctrl+E</translation>
    </message>
    <message>
        <source>Enter a new movie</source>
        <translation>Einen neuen Film eingeben</translation>
    </message>
    <message>
        <source>&amp;Delete	Ctrl+D</source>
        <translation>&amp;Löschen	Ctrl+D</translation>
    </message>
    <message>
        <source>Delete selected movie</source>
        <translation>Den ausgewählten Film löschen</translation>
    </message>
    <message>
        <source>&amp;Modify...	Ctrl+M</source>
        <translation>Ä&amp;ndern...	Ctrl+M</translation>
    </message>
    <message>
        <source>Modify the selected movie</source>
        <translation>Den ausgewählten Film ändern</translation>
    </message>
    <message>
        <source>Select/&amp;Unselect All	Ctrl+U</source>
        <translation>&amp;Alle auswählen/abwählen	Ctrl+U</translation>
    </message>
    <message>
        <source>Select or unselect every entry</source>
        <translation>Alle Einträge auswählen oder abwählen</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo last delete, modify, or enter.</source>
        <translation>Das letzte Löschen, Ändern oder Eingeben rückgängig machen.</translation>
    </message>
    <message>
        <source>&amp;Find ...</source>
        <translation>&amp;Suchen ...</translation>
    </message>
    <message>
        <source>Find text in the displayed movies</source>
        <translation>Text in den angezeigten Filmen suchen</translation>
    </message>
    <message>
        <source>Edit &amp;Custom Heading</source>
        <translation>Benutzerfeld-Überschriften &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit Custom Headings</source>
        <translation>Die Überschriften der Benutzerfelder bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Sort by &amp;Actors</source>
        <translation>Nach &amp;Darstellern sortieren</translation>
    </message>
    <message>
        <source>Sort by actors</source>
        <translation>Nach Darstellern sortieren</translation>
    </message>
    <message>
        <source>Sort by Tit&amp;le</source>
        <translation>Nach &amp;Titel sortieren</translation>
    </message>
    <message>
        <source>Sort by title</source>
        <translation>Nach Titel sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom&amp;1</source>
        <translation>Nach Benutzerfeld &amp;1 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom 1</source>
        <translation>Nach Benutzerfeld 1 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom &amp;2</source>
        <translation>Nach Benutzerfeld &amp;2 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom 2</source>
        <translation>Nach Benutzerfeld 2 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom &amp;3</source>
        <translation>Nach Benutzerfeld &amp;3 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom 3</source>
        <translation>Nach Benutzerfeld 3 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom &amp;4</source>
        <translation>Nach Benutzerfeld &amp;4 sortieren</translation>
    </message>
    <message>
        <source>Sort by Custom 4</source>
        <translation>Nach Benutzerfeld 4 sortieren</translation>
    </message>
    <message>
        <source>Sort by Tap&amp;e #</source>
        <translation>Nach &amp;Bandnummer sortieren</translation>
    </message>
    <message>
        <source>Sort by tape #</source>
        <translation>Nach Bandnummer sortieren</translation>
    </message>
    <message>
        <source>Sort by Ti&amp;me</source>
        <translation>Nach Lauf&amp;zeit sortieren</translation>
    </message>
    <message>
        <source>Sort by time</source>
        <translation>Nach Laufzeit sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Rating</source>
        <translation>Nach &amp;Wertung sortieren</translation>
    </message>
    <message>
        <source>Sort by rating</source>
        <translation>Nach Wertung sortieren</translation>
    </message>
    <message>
        <source>Sort by Me&amp;dia Type</source>
        <translation>Nach &amp;Medium sortieren</translation>
    </message>
    <message>
        <source>Sort by media type</source>
        <translation>Nach Medium sortieren</translation>
    </message>
    <message>
        <source>Sort by Mo&amp;vie Type</source>
        <translation>Nach Film&amp;art sortieren</translation>
    </message>
    <message>
        <source>Sort by movie type</source>
        <translation>Nach Filmart sortieren</translation>
    </message>
    <message>
        <source>&amp;One Line Sorts</source>
        <translation>&amp;Einzeilige Sortierungen</translation>
    </message>
    <message>
        <source>Displays Normal Sorts in 1 line</source>
        <translation>Zeigt die normalen Sortierungen in einer Zeile</translation>
    </message>
    <message>
        <source>Display in Label &amp;Format</source>
        <translation>Als Eti&amp;ketten anzeigen</translation>
    </message>
    <message>
        <source>Shows what the labels will look like</source>
        <translation>Zeigt, wie die Etiketten aussehen werden</translation>
    </message>
    <message>
        <source>Display &amp;Normal View</source>
        <translation>&amp;Normalansicht anzeigen</translation>
    </message>
    <message>
        <source>Display the normal view</source>
        <translation>Die Normalansicht anzeigen</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Change Program Options</source>
        <translation>Programmoptionen ändern</translation>
    </message>
    <message>
        <source>&amp;Go to Entry</source>
        <translation>&amp;Gehe zu Eintrag</translation>
    </message>
    <message>
        <source>Go to the first entry that begins with a text</source>
        <translation>Zum ersten Eintrag gehen, der mit einem Text beginnt</translation>
    </message>
    <message>
        <source>F&amp;ilters</source>
        <translation>F&amp;ilter</translation>
    </message>
    <message>
        <source>Change the Filters</source>
        <translation>Die Filter ändern</translation>
    </message>
    <message>
        <source>Label &amp;Font ...</source>
        <translation>Etiketten&amp;schrift ...</translation>
    </message>
    <message>
        <source>Changes font used for labels</source>
        <translation>Ändert die Schrift der Etiketten</translation>
    </message>
    <message>
        <source>&amp;Large Labels</source>
        <translation>&amp;Große Etiketten</translation>
    </message>
    <message>
        <source>Use sheets of large labels</source>
        <translation>Bögen mit großen Etiketten verwenden</translation>
    </message>
    <message>
        <source>&amp;Small Labels</source>
        <translation>&amp;Kleine Etiketten</translation>
    </message>
    <message>
        <source>Use sheets of small labels</source>
        <translation>Bögen mit kleinen Etiketten verwenden</translation>
    </message>
    <message>
        <source>Label &amp;Data Colors ...</source>
        <translation>&amp;Datenfarben der Etiketten ...</translation>
    </message>
    <message>
        <source>Select label colors</source>
        <translation>Etikettenfarben auswählen</translation>
    </message>
    <message>
        <source>Label &amp;Heading Color ...</source>
        <translation>Farbe der Ü&amp;berschriften ...</translation>
    </message>
    <message>
        <source>Changes color of the headings</source>
        <translation>Ändert die Farbe der Überschriften</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>List the help topics</source>
        <translation>Die Hilfethemen auflisten</translation>
    </message>
    <message>
        <source>&amp;About Reelkeep...</source>
        <translation>Ü&amp;ber Reelkeep...</translation>
    </message>
    <message>
        <source>Show the program&apos;s name and version</source>
        <translation>Name und Version des Programms anzeigen</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>Hilfe	F1</translation>
    </message>
    <message>
        <source>Show help for the current task</source>
        <translation>Hilfe zur aktuellen Aufgabe anzeigen</translation>
    </message>
    <message>
        <source>Context Help	Shift+F1</source>
        <translation>Kontexthilfe	Shift+F1</translation>
    </message>
    <message>
        <source>Show help for the button, menu or window clicked next</source>
        <translation>Hilfe zu der Schaltfläche, dem Menü oder dem Fenster anzeigen, das als Nächstes angeklickt wird</translation>
    </message>
    <message>
        <source>Next Pane	F6</source>
        <translation>Nächster Bereich	F6</translation>
    </message>
    <message>
        <source>Move to the next part of the window</source>
        <translation>Zum nächsten Teil des Fensters wechseln</translation>
    </message>
    <message>
        <source>Previous Pane	Shift+F6</source>
        <translation>Vorheriger Bereich	Shift+F6</translation>
    </message>
    <message>
        <source>Move to the previous part of the window</source>
        <translation>Zum vorherigen Teil des Fensters wechseln</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>I&amp;mportieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Label &amp;Size</source>
        <translation>Etiketten&amp;größe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>&amp;Etiketten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Other Catalogue Programs...</source>
        <translation>&amp;Andere Katalogprogramme...</translation>
    </message>
    <message>
        <source>Adds the movies of a Tellico, GCstar, Data Crow or Ant Movie Catalog file</source>
        <translation>Fügt die Filme einer Tellico-, GCstar-, Data-Crow- oder Ant-Movie-Catalog-Datei hinzu</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>Actor 1</source>
        <translation>Darsteller 1</translation>
    </message>
    <message>
        <source>Actor 2</source>
        <translation>Darsteller 2</translation>
    </message>
    <message>
        <source>Actor 3</source>
        <translation>Darsteller 3</translation>
    </message>
    <message>
        <source>Not enough memory to add more actors</source>
        <translation>Nicht genügend Speicher, um weitere Darsteller hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 1 entries.</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 1 hinzuzufügen.</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 2 entries.</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 2 hinzuzufügen.</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 3 entries.</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 3 hinzuzufügen.</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 4 entries.</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 4 hinzuzufügen.</translation>
    </message>
    <message>
        <source>Not enough memory to add more ratings.</source>
        <translation>Nicht genügend Speicher, um weitere Wertungen hinzuzufügen.</translation>
    </message>
    <message>
        <source>Not enough memory to add more movie types</source>
        <translation>Nicht genügend Speicher, um weitere Filmarten hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more media types</source>
        <translation>Nicht genügend Speicher, um weitere Medien hinzuzufügen</translation>
    </message>
    <message>
        <source>&amp;Enter the Movie Title to go to.</source>
        <translation>&amp;Geben Sie den Filmtitel ein, zu dem gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Rating to go to.</source>
        <translation>&amp;Geben Sie die Wertung ein, zu der gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Tape Number to go to.</source>
        <translation>&amp;Geben Sie die Bandnummer ein, zu der gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Time to go to.</source>
        <translation>&amp;Geben Sie die Laufzeit ein, zu der gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Movie Type to go to.</source>
        <translation>&amp;Geben Sie die Filmart ein, zu der gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Media Type to go to.</source>
        <translation>&amp;Geben Sie das Medium ein, zu dem gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Custom Heading to go to.</source>
        <translation>&amp;Geben Sie den Wert des Benutzerfelds ein, zu dem gesprungen werden soll.</translation>
    </message>
    <message>
        <source>&amp;Enter the Actor to go to.</source>
        <translation>&amp;Geben Sie den Darsteller ein, zu dem gesprungen werden soll.</translation>
    </message>
    <message>
        <source>Updating Actor, Movie Type, Media Type, Custom entries, and Rating</source>
        <translation>Darsteller, Filmarten, Medien, Benutzerfelder und Wertungen werden aktualisiert</translation>
    </message>
    <message>
        <source>Updating Dialog Box</source>
        <translation>Dialogfeld wird aktualisiert</translation>
    </message>
    <message>
        <source>Loading file</source>
        <translation>Datei wird geladen</translation>
    </message>
    <message>
        <source>Sorting by title</source>
        <translation>Sortierung nach Titel</translation>
    </message>
    <message>
        <source>Sorting by time</source>
        <translation>Sortierung nach Laufzeit</translation>
    </message>
    <message>
        <source>Sorting by rating</source>
        <translation>Sortierung nach Wertung</translation>
    </message>
    <message>
        <source>Sorting by movie type</source>
        <translation>Sortierung nach Filmart</translation>
    </message>
    <message>
        <source>Sorting by media type</source>
        <translation>Sortierung nach Medium</translation>
    </message>
    <message>
        <source>Sorting by a Custom Field</source>
        <translation>Sortierung nach einem Benutzerfeld</translation>
    </message>
    <message>
        <source>Sorting by tape number</source>
        <translation>Sortierung nach Bandnummer</translation>
    </message>
    <message>
        <source>Sorting Actors for Dialog Box</source>
        <translation>Darsteller für das Dialogfeld werden sortiert</translation>
    </message>
    <message>
        <source>Sorting by Actors</source>
        <translation>Sortierung nach Darstellern</translation>
    </message>
    <message>
        <source>Sorting by counter number</source>
        <translation>Sortierung nach Zählerstand</translation>
    </message>
    <message>
        <source>Building label view</source>
        <translation>Etikettenansicht wird aufgebaut</translation>
    </message>
    <message>
        <source>Updating Label Colors</source>
        <translation>Etikettenfarben werden aktualisiert</translation>
    </message>
    <message>
        <source>You have Tape # set as a number but some tape numbers aren&apos;t all digits!</source>
        <translation>Die Bandnummer ist als Zahl eingestellt, aber einige Bandnummern bestehen nicht nur aus Ziffern!</translation>
    </message>
    <message>
        <source>Out of memory! Cannot display label format!</source>
        <translation>Nicht genügend Speicher! Das Etikettenformat kann nicht angezeigt werden!</translation>
    </message>
    <message>
        <source>Out of memory! Cannot select records!</source>
        <translation>Nicht genügend Speicher! Die Datensätze können nicht ausgewählt werden!</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Not enough memory to load the file.</source>
        <translation>Nicht genügend Speicher, um die Datei zu laden.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Das Dokument konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Das Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Unerwartetes Dateiformat.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>Das Ziellaufwerk ist voll.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob Pfad und Dateiname richtig angegeben sind.</translation>
    </message>
    <message>
        <source>%1
Cannot find the folder for this file.
Please verify that the correct path is given.</source>
        <translation>%1
Der Ordner für diese Datei wurde nicht gefunden.
Bitte prüfen Sie, ob der Pfad richtig angegeben ist.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>%1 kann nicht gelesen werden, da die Datei von jemand anderem geöffnet ist.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>In %1 kann nicht geschrieben werden, da die Datei schreibgeschützt oder von jemand anderem geöffnet ist.</translation>
    </message>
    <message>
        <source>Unable to write to %1, its folder cannot be written to.</source>
        <translation>%1 kann nicht geschrieben werden, da in den Ordner der Datei nicht geschrieben werden darf.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Beim Lesen von %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Beim Schreiben von %1 ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Out of memory! Cannot add any more entries!</source>
        <translation>Nicht genügend Speicher! Es können keine weiteren Einträge hinzugefügt werden!</translation>
    </message>
    <message>
        <source>Not enough memory to record undo.</source>
        <translation>Nicht genügend Speicher, um das Rückgängigmachen vorzubereiten.</translation>
    </message>
    <message>
        <source>Not enough memory to restore undo.</source>
        <translation>Nicht genügend Speicher, um den Schritt rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Not enough memory to record undo selection.</source>
        <translation>Nicht genügend Speicher, um die Auswahl für das Rückgängigmachen zu speichern.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %s?</source>
        <translation>Möchten Sie %s wirklich löschen?</translation>
    </message>
    <message>
        <source>Movies imported: %1</source>
        <translation>Importierte Filme: %1</translation>
    </message>
    <message>
        <source>Lines left out: %1</source>
        <translation>Ausgelassene Zeilen: %1</translation>
    </message>
    <message>
        <source>Not enough memory to import the file.</source>
        <translation>Nicht genügend Speicher, um die Datei zu importieren.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Columns left out: </source>
        <translation>Ausgelassene Spalten: </translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1
This file has more than 1,000 columns.
Reelkeep imports at most 1,000 columns.</source>
        <translation>%1
Diese Datei hat mehr als 1.000 Spalten.
Reelkeep importiert höchstens 1.000 Spalten.</translation>
    </message>
    <message>
        <source>line %1: </source>
        <translation>Zeile %1: </translation>
    </message>
    <message>
        <source> (column %1)</source>
        <translation> (Spalte %1)</translation>
    </message>
    <message>
        <source>left out, too many fields</source>
        <translation>ausgelassen, zu viele Felder</translation>
    </message>
    <message>
        <source>left out, too few fields</source>
        <translation>ausgelassen, zu wenige Felder</translation>
    </message>
    <message>
        <source>left out, not valid UTF-8</source>
        <translation>ausgelassen, kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>left out, not valid UTF-16</source>
        <translation>ausgelassen, kein gültiges UTF-16</translation>
    </message>
    <message>
        <source>left out, a quote is not closed before the end of the file</source>
        <translation>ausgelassen, ein Anführungszeichen wird vor dem Dateiende nicht geschlossen</translation>
    </message>
    <message>
        <source>left out, a value is not in quotes</source>
        <translation>ausgelassen, ein Wert steht nicht in Anführungszeichen</translation>
    </message>
    <message>
        <source>cut short, a value is too long</source>
        <translation>gekürzt, ein Wert ist zu lang</translation>
    </message>
    <message>
        <source>cut short, more than three actors</source>
        <translation>gekürzt, mehr als drei Darsteller</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>Suche läuft</translation>
    </message>
    <message>
        <source>Continue Find?</source>
        <translation>Suche fortsetzen?</translation>
    </message>
    <message>
        <source>Finished search. No more matches</source>
        <translation>Suche beendet. Keine weiteren Treffer</translation>
    </message>
    <message>
        <source>Finished search. No matches found</source>
        <translation>Suche beendet. Keine Treffer gefunden</translation>
    </message>
    <message>
        <source>This is not an Ant Movie Catalog file.</source>
        <translation>Dies ist keine Datei von Ant Movie Catalog.</translation>
    </message>
    <message>
        <source>This Ant Movie Catalog file is of a version Reelkeep cannot read (it reads 1.0 to 4.2).</source>
        <translation>Diese Ant-Movie-Catalog-Datei hat eine Version, die Reelkeep nicht lesen kann (es liest 1.0 bis 4.2).</translation>
    </message>
    <message>
        <source>This Ant Movie Catalog file is cut short: its last movie is incomplete.</source>
        <translation>Diese Ant-Movie-Catalog-Datei ist abgeschnitten: ihr letzter Film ist unvollständig.</translation>
    </message>
    <message>
        <source>This Ant Movie Catalog file is damaged: a length or count in it does not fit the file.</source>
        <translation>Diese Ant-Movie-Catalog-Datei ist beschädigt: eine Länge oder Anzahl darin passt nicht zur Datei.</translation>
    </message>
    <message>
        <source>This file holds more than 1,000,000 movies, more than Reelkeep imports at once.</source>
        <translation>Diese Datei enthält mehr als 1.000.000 Filme, mehr als Reelkeep auf einmal importiert.</translation>
    </message>
    <message>
        <source>This XML file is not an Ant Movie Catalog export.</source>
        <translation>Diese XML-Datei ist kein Export von Ant Movie Catalog.</translation>
    </message>
    <message>
        <source>This XML file declares a document type, which an Ant Movie Catalog export never does.</source>
        <translation>Diese XML-Datei deklariert einen Dokumenttyp, was ein Export von Ant Movie Catalog nie tut.</translation>
    </message>
    <message>
        <source>This XML file is damaged or cut short.</source>
        <translation>Diese XML-Datei ist beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>This XML file is in a character encoding Reelkeep cannot read.</source>
        <translation>Diese XML-Datei hat eine Zeichenkodierung, die Reelkeep nicht lesen kann.</translation>
    </message>
    <message>
        <source>This file is larger than 512 MiB.
Reelkeep imports files of at most 512 MiB.</source>
        <translation>Diese Datei ist größer als 512 MiB.
Reelkeep importiert Dateien von höchstens 512 MiB.</translation>
    </message>
    <message>
        <source>This file is damaged or cut short.</source>
        <translation>Diese Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>This file declares XML entities or refers to other files; Reelkeep does not read it.</source>
        <translation>Diese Datei deklariert XML-Entitäten oder verweist auf andere Dateien; Reelkeep liest sie nicht.</translation>
    </message>
    <message>
        <source>This file is not a Tellico file: it holds no tellico.xml.</source>
        <translation>Diese Datei ist keine Tellico-Datei: Sie enthält keine tellico.xml.</translation>
    </message>
    <message>
        <source>This is not a Tellico file.</source>
        <translation>Dies ist keine Tellico-Datei.</translation>
    </message>
    <message>
        <source>This Tellico file holds a collection of another kind, not videos.</source>
        <translation>Diese Tellico-Datei enthält eine Sammlung anderer Art, keine Videos.</translation>
    </message>
    <message>
        <source>This is not a GCstar file.</source>
        <translation>Dies ist keine GCstar-Datei.</translation>
    </message>
    <message>
        <source>This GCstar file holds a collection of another kind, not movies.</source>
        <translation>Diese GCstar-Datei enthält eine Sammlung anderer Art, keine Filme.</translation>
    </message>
    <message>
        <source>This is not an XML export of Data Crow.</source>
        <translation>Dies ist kein XML-Export von Data Crow.</translation>
    </message>
    <message>
        <source>This Data Crow export holds items of another kind, not movies.</source>
        <translation>Dieser Data-Crow-Export enthält Objekte anderer Art, keine Filme.</translation>
    </message>
    <message>
        <source>Reelkeep cannot tell which catalogue program wrote this file.</source>
        <translation>Reelkeep kann nicht erkennen, welches Katalogprogramm diese Datei geschrieben hat.</translation>
    </message>
    <message>
        <source>Left out: </source>
        <translation>Ausgelassen: </translation>
    </message>
    <message>
        <source>Cut short, too long: </source>
        <translation>Gekürzt, zu lang: </translation>
    </message>
    <message>
        <source>images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>loans</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>ratings</source>
        <translation>Bewertungen</translation>
    </message>
    <message>
        <source>personal ratings</source>
        <translation>persönliche Bewertungen</translation>
    </message>
    <message>
        <source>comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>web links</source>
        <translation>Weblinks</translation>
    </message>
    <message>
        <source>sources</source>
        <translation>Quellen</translation>
    </message>
    <message>
        <source>dates added</source>
        <translation>Erfassungsdaten</translation>
    </message>
    <message>
        <source>dates watched</source>
        <translation>Sichtungsdaten</translation>
    </message>
    <message>
        <source>original titles</source>
        <translation>Originaltitel</translation>
    </message>
    <message>
        <source>writers</source>
        <translation>Drehbuchautoren</translation>
    </message>
    <message>
        <source>composers</source>
        <translation>Komponisten</translation>
    </message>
    <message>
        <source>file paths</source>
        <translation>Dateipfade</translation>
    </message>
    <message>
        <source>video formats</source>
        <translation>Videoformate</translation>
    </message>
    <message>
        <source>audio formats</source>
        <translation>Audioformate</translation>
    </message>
    <message>
        <source>video bitrates</source>
        <translation>Videobitraten</translation>
    </message>
    <message>
        <source>audio bitrates</source>
        <translation>Audiobitraten</translation>
    </message>
    <message>
        <source>resolutions</source>
        <translation>Auflösungen</translation>
    </message>
    <message>
        <source>frame rates</source>
        <translation>Bildraten</translation>
    </message>
    <message>
        <source>languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>sizes</source>
        <translation>Größen</translation>
    </message>
    <message>
        <source>disc counts</source>
        <translation>Disc-Anzahlen</translation>
    </message>
    <message>
        <source>colour tags</source>
        <translation>Farbmarkierungen</translation>
    </message>
    <message>
        <source>extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>actors after the third</source>
        <translation>Darsteller nach dem dritten</translation>
    </message>
    <message>
        <source>genres after the first</source>
        <translation>Genres nach dem ersten</translation>
    </message>
    <message>
        <source>items other than movies</source>
        <translation>Objekte, die keine Filme sind</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Studio</source>
        <translation>Studio</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Movie Name</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Movie Type</source>
        <translation>Filmart</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Tape #</source>
        <translation>Band-Nr.</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zählerstand</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Synopsis</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Enter/Edit Movies</source>
        <translation>Filme eingeben/bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Movie Name</source>
        <translation>&amp;Filmtitel</translation>
    </message>
    <message>
        <source>&amp;Actors</source>
        <translation>&amp;Darsteller</translation>
    </message>
    <message>
        <source>Mo&amp;vie Type</source>
        <translation>Filma&amp;rt</translation>
    </message>
    <message>
        <source>M&amp;edia Type</source>
        <translation>&amp;Medium</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Laufzeit</translation>
    </message>
    <message>
        <source>Ta&amp;pe #</source>
        <translation>&amp;Band-Nr.</translation>
    </message>
    <message>
        <source>Cou&amp;nter</source>
        <translation>&amp;Zählerstand</translation>
    </message>
    <message>
        <source>&amp;Rating</source>
        <translation>&amp;Wertung</translation>
    </message>
    <message>
        <source>&amp;Synopsis</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Not enough memory to add more actors</source>
        <translation>Nicht genügend Speicher, um weitere Darsteller hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Movie Types</source>
        <translation>Nicht genügend Speicher, um weitere Filmarten hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Media Types</source>
        <translation>Nicht genügend Speicher, um weitere Medien hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more movie ratings</source>
        <translation>Nicht genügend Speicher, um weitere Wertungen hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 1 entries</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 1 hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 2 entries</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 2 hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 3 entries</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 3 hinzuzufügen</translation>
    </message>
    <message>
        <source>Not enough memory to add more Custom 4 entries</source>
        <translation>Nicht genügend Speicher, um weitere Einträge für Benutzerfeld 4 hinzuzufügen</translation>
    </message>
    <message>
        <source>Movie Name: the title of the movie.</source>
        <translation>Filmtitel: der Titel des Films.</translation>
    </message>
    <message>
        <source>Actor 1: pick an actor from the list or type a new name.</source>
        <translation>Darsteller 1: Wählen Sie einen Darsteller aus der Liste oder geben Sie einen neuen Namen ein.</translation>
    </message>
    <message>
        <source>Actor 2: pick an actor from the list or type a new name.</source>
        <translation>Darsteller 2: Wählen Sie einen Darsteller aus der Liste oder geben Sie einen neuen Namen ein.</translation>
    </message>
    <message>
        <source>Actor 3: pick an actor from the list or type a new name.</source>
        <translation>Darsteller 3: Wählen Sie einen Darsteller aus der Liste oder geben Sie einen neuen Namen ein.</translation>
    </message>
    <message>
        <source>Movie Type: pick a movie type from the list or type a new one.</source>
        <translation>Filmart: Wählen Sie eine Filmart aus der Liste oder geben Sie eine neue ein.</translation>
    </message>
    <message>
        <source>Media Type: pick the medium the movie is kept on, or type a new one.</source>
        <translation>Medium: Wählen Sie das Medium, auf dem der Film aufbewahrt wird, oder geben Sie ein neues ein.</translation>
    </message>
    <message>
        <source>Time: the running time of the movie.</source>
        <translation>Laufzeit: die Spieldauer des Films.</translation>
    </message>
    <message>
        <source>Tape #: the tape the movie is recorded on.</source>
        <translation>Band-Nr.: das Band, auf dem der Film aufgenommen ist.</translation>
    </message>
    <message>
        <source>Counter: the tape-counter position where the movie starts.</source>
        <translation>Zählerstand: die Stelle des Bandzählers, an der der Film beginnt.</translation>
    </message>
    <message>
        <source>Rating: pick a rating from the list or type a new one.</source>
        <translation>Wertung: Wählen Sie eine Wertung aus der Liste oder geben Sie eine neue ein.</translation>
    </message>
    <message>
        <source>Synopsis: a description of the movie. Enter starts a new line.</source>
        <translation>Inhalt: eine Beschreibung des Films. Die Eingabetaste beginnt eine neue Zeile.</translation>
    </message>
    <message>
        <source>Delete Movies</source>
        <translation>Filme löschen</translation>
    </message>
    <message>
        <source>&amp;YES</source>
        <translation>&amp;JA</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja für &amp;alle</translation>
    </message>
    <message>
        <source>&amp;NO</source>
        <translation>&amp;NEIN</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nein für a&amp;lle</translation>
    </message>
    <message>
        <source>The movie about to be deleted.</source>
        <translation>Der Film, der gelöscht werden soll.</translation>
    </message>
    <message>
        <source>YES: delete this movie.</source>
        <translation>JA: diesen Film löschen.</translation>
    </message>
    <message>
        <source>Yes to All: delete this and every other selected movie without asking again.</source>
        <translation>Ja für alle: diesen und alle anderen ausgewählten Filme ohne weitere Nachfrage löschen.</translation>
    </message>
    <message>
        <source>NO: keep this movie and ask about the next one.</source>
        <translation>NEIN: diesen Film behalten und nach dem nächsten fragen.</translation>
    </message>
    <message>
        <source>No to All: keep this and every other selected movie.</source>
        <translation>Nein für alle: diesen und alle anderen ausgewählten Filme behalten.</translation>
    </message>
    <message>
        <source>Find Info</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Information to find</source>
        <translation>&amp;Gesuchter Text</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Match upper and lower case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>The text to look for in every field of the displayed movies.</source>
        <translation>Der Text, nach dem in allen Feldern der angezeigten Filme gesucht wird.</translation>
    </message>
    <message>
        <source>Whole word: a field matches only when one of its words is the text.</source>
        <translation>Nur ganze Wörter: Ein Feld passt nur, wenn eines seiner Wörter der Text ist.</translation>
    </message>
    <message>
        <source>Match upper and lower case: capitals must match exactly.</source>
        <translation>Groß-/Kleinschreibung beachten: Großbuchstaben müssen genau übereinstimmen.</translation>
    </message>
    <message>
        <source>Find: search the displayed movies, opening each match for editing.</source>
        <translation>Suchen: die angezeigten Filme durchsuchen und jeden Treffer zum Bearbeiten öffnen.</translation>
    </message>
    <message>
        <source>Edit Custom Headings</source>
        <translation>Überschriften der Benutzerfelder bearbeiten</translation>
    </message>
    <message>
        <source>Custom Heading &amp;1</source>
        <translation>Überschrift &amp;1</translation>
    </message>
    <message>
        <source>Custom Heading &amp;2</source>
        <translation>Überschrift &amp;2</translation>
    </message>
    <message>
        <source>Custom Heading &amp;3</source>
        <translation>Überschrift &amp;3</translation>
    </message>
    <message>
        <source>Custom Heading &amp;4</source>
        <translation>Überschrift &amp;4</translation>
    </message>
    <message>
        <source>Import Comma Separated Values</source>
        <translation>Kommagetrennte Werte importieren</translation>
    </message>
    <message>
        <source>Choose the field each column goes to, or skip it. The first lines of the file:</source>
        <translation>Wählen Sie für jede Spalte das Feld, in das sie übernommen wird, oder überspringen Sie sie. Die ersten Zeilen der Datei:</translation>
    </message>
    <message>
        <source>Separator: %1    Text: %2    Movies: %3</source>
        <translation>Trennzeichen: %1    Text: %2    Filme: %3</translation>
    </message>
    <message>
        <source>as Reelkeep exports it</source>
        <translation>wie von Reelkeep exportiert</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>(skip)</source>
        <translation>(überspringen)</translation>
    </message>
    <message>
        <source>Actors (A; B; C)</source>
        <translation>Darsteller (A; B; C)</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source>Windows-1252</source>
        <translation>Windows-1252</translation>
    </message>
    <message>
        <source>UTF-16 little-endian</source>
        <translation>UTF-16 Little Endian</translation>
    </message>
    <message>
        <source>UTF-16 big-endian</source>
        <translation>UTF-16 Big Endian</translation>
    </message>
    <message>
        <source>Movie Type</source>
        <translation>Filmart</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>&amp;Actor Name</source>
        <translation>&amp;Darsteller</translation>
    </message>
    <message>
        <source>A box shows the movies whose field begins with its text; All shows every movie.</source>
        <translation>Ein Feld zeigt die Filme, deren Eintrag mit seinem Text beginnt; All (englisch für „alle“) zeigt jeden Film.</translation>
    </message>
    <message>
        <source>Reset to &amp;Default Values</source>
        <translation>&amp;Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>About Reelkeep</source>
        <translation>Über Reelkeep</translation>
    </message>
    <message>
        <source>Version 1.4</source>
        <translation>Version 1.4</translation>
    </message>
    <message>
        <source>Label Copies</source>
        <translation>Etikettenkopien</translation>
    </message>
    <message>
        <source>&amp;Number of copies to print</source>
        <translation>An&amp;zahl der zu druckenden Exemplare</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Label Start Position</source>
        <translation>Startposition der Etiketten</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Normal View</source>
        <translation>Normalansicht</translation>
    </message>
    <message>
        <source>Actor Sort</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>One Line Sorts</source>
        <translation>Einzeilig</translation>
    </message>
    <message>
        <source>Change Screen &amp;Font...</source>
        <translation>Bildschirm&amp;schrift ändern...</translation>
    </message>
    <message>
        <source>Change Screen Colo&amp;rs...</source>
        <translation>Bildschirm&amp;farben ändern...</translation>
    </message>
    <message>
        <source>Printer Color</source>
        <translation>Druckfarbe</translation>
    </message>
    <message>
        <source>Use &amp;Black Only</source>
        <translation>Nur Sch&amp;warz verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Screen Colors</source>
        <translation>&amp;Bildschirmfarben verwenden</translation>
    </message>
    <message>
        <source>Use &amp;Label Colors</source>
        <translation>&amp;Etikettenfarben verwenden</translation>
    </message>
    <message>
        <source>Display &amp;Page Number</source>
        <translation>Seiten&amp;nummer anzeigen</translation>
    </message>
    <message>
        <source>&amp;Treat the Tape # as Text</source>
        <translation>Band-Nr. als &amp;Text behandeln</translation>
    </message>
    <message>
        <source>Lo&amp;ad the last used file when starting the program</source>
        <translation>&amp;Zuletzt verwendete Datei beim Programmstart laden</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Gitter anzeigen</translation>
    </message>
    <message>
        <source>Show Bo&amp;x</source>
        <translation>&amp;Rahmen anzeigen</translation>
    </message>
    <message>
        <source>&amp;No Graphics</source>
        <translation>&amp;Keine Grafik</translation>
    </message>
    <message>
        <source>&amp;Ignore &quot;The&quot; When Sorting</source>
        <translation>„The“ beim Sortieren &amp;ignorieren</translation>
    </message>
    <message>
        <source>Display Custom &amp;1</source>
        <translation>Benutzerfeld &amp;1 anzeigen</translation>
    </message>
    <message>
        <source>Display Custom &amp;2</source>
        <translation>Benutzerfeld &amp;2 anzeigen</translation>
    </message>
    <message>
        <source>Display Custom &amp;3</source>
        <translation>Benutzerfeld &amp;3 anzeigen</translation>
    </message>
    <message>
        <source>Display Custom &amp;4</source>
        <translation>Benutzerfeld &amp;4 anzeigen</translation>
    </message>
    <message>
        <source>Printing Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Print a Page Break after each L&amp;etter of the Alphabet</source>
        <translation>Seitenumbruch nach jedem &amp;Buchstaben des Alphabets</translation>
    </message>
    <message>
        <source>Print a Page Break after each Na&amp;me Change</source>
        <translation>Seitenumbruch bei jedem &amp;Namenswechsel</translation>
    </message>
    <message>
        <source>Print 1 &amp;Record per Page</source>
        <translation>&amp;Einen Datensatz pro Seite drucken</translation>
    </message>
    <message>
        <source>M&amp;ultiple Records per Page</source>
        <translation>&amp;Mehrere Datensätze pro Seite</translation>
    </message>
    <message>
        <source>Display and Print &amp;Synopsis</source>
        <translation>Inhalt anzeigen und &amp;drucken</translation>
    </message>
    <message>
        <source>Display Hea&amp;ding</source>
        <translation>Übers&amp;chrift anzeigen</translation>
    </message>
    <message>
        <source>&amp;Grid On</source>
        <translation>&amp;Gitter ein</translation>
    </message>
    <message>
        <source>Print M&amp;ultiple Entries</source>
        <translation>&amp;Mehrere Einträge drucken</translation>
    </message>
    <message>
        <source>Print Multiple &amp;Lines per Page</source>
        <translation>Mehrere &amp;Zeilen pro Seite drucken</translation>
    </message>
    <message>
        <source>&amp;Select Color</source>
        <translation>Farbe &amp;wählen</translation>
    </message>
    <message>
        <source>Change Screen Color</source>
        <translation>Bildschirmfarben ändern</translation>
    </message>
    <message>
        <source>Screen Colors</source>
        <translation>Bildschirmfarben</translation>
    </message>
    <message>
        <source>Heading Color</source>
        <translation>Überschriftfarbe</translation>
    </message>
    <message>
        <source>Data Color</source>
        <translation>Datenfarbe</translation>
    </message>
    <message>
        <source>Highlighted Background Color</source>
        <translation>Hintergrundfarbe der Markierung</translation>
    </message>
    <message>
        <source>Highlighted Data Color</source>
        <translation>Datenfarbe der Markierung</translation>
    </message>
    <message>
        <source>Label Color Selection</source>
        <translation>Etikettenfarben auswählen</translation>
    </message>
    <message>
        <source>C&amp;hoose colors for the following:</source>
        <translation>&amp;Farben wählen für:</translation>
    </message>
    <message>
        <source>Not enough memory to change label colors.</source>
        <translation>Nicht genügend Speicher, um die Etikettenfarben zu ändern.</translation>
    </message>
    <message>
        <source>Reelkeep Help</source>
        <translation>Reelkeep-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Add Column</source>
        <translation>Spalte hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Select Column to Add</source>
        <translation>Hinzuzufügende &amp;Spalte</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Custom 1 Field</source>
        <translation>Benutzerfeld 1</translation>
    </message>
    <message>
        <source>Custom 2 Field</source>
        <translation>Benutzerfeld 2</translation>
    </message>
    <message>
        <source>Custom 3 Field</source>
        <translation>Benutzerfeld 3</translation>
    </message>
    <message>
        <source>Custom 4 Field</source>
        <translation>Benutzerfeld 4</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Go To Entry</source>
        <translation>Gehe zu Eintrag</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Select the position where you would like the labels to start printing.</source>
        <translation>&amp;Wählen Sie die Position, an der der Etikettendruck beginnen soll.</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Sorted by Title: </source>
        <translation>Sortiert nach Titel: </translation>
    </message>
    <message>
        <source>Sorted by Rating: </source>
        <translation>Sortiert nach Wertung: </translation>
    </message>
    <message>
        <source>Sorted by Movie Type: </source>
        <translation>Sortiert nach Filmart: </translation>
    </message>
    <message>
        <source>Sorted by Media Type: </source>
        <translation>Sortiert nach Medium: </translation>
    </message>
    <message>
        <source>Sorted by </source>
        <translation>Sortiert nach </translation>
    </message>
    <message>
        <source>Page Number %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Pre&amp;v Page</source>
        <translation>V&amp;orherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Eine Seite</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Zwei Seiten</translation>
    </message>
    <message>
        <source>&amp;All Pages</source>
        <translation>&amp;Alle Seiten</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Si&amp;ze:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>P&amp;ortrait</source>
        <translation>&amp;Hochformat</translation>
    </message>
    <message>
        <source>&amp;Landscape</source>
        <translation>&amp;Querformat</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source> Movie Title</source>
        <translation> Filmtitel</translation>
    </message>
    <message>
        <source> Rating</source>
        <translation> Wertung</translation>
    </message>
    <message>
        <source> Time</source>
        <translation> Zeit</translation>
    </message>
    <message>
        <source> Custom 1</source>
        <translation> Benutzerfeld 1</translation>
    </message>
    <message>
        <source> Custom 2</source>
        <translation> Benutzerfeld 2</translation>
    </message>
    <message>
        <source> Custom 3</source>
        <translation> Benutzerfeld 3</translation>
    </message>
    <message>
        <source> Custom 4</source>
        <translation> Benutzerfeld 4</translation>
    </message>
    <message>
        <source> Media Type</source>
        <translation> Medium</translation>
    </message>
    <message>
        <source> Movie Type</source>
        <translation> Filmart</translation>
    </message>
    <message>
        <source> #</source>
        <translation> Nr.</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Tape #: </source>
        <translation>Band: </translation>
    </message>
    <message>
        <source>Time: </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>Rating: </source>
        <translation>Wertung: </translation>
    </message>
    <message>
        <source>Counter: </source>
        <translation>Zähler: </translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Type: </source>
        <translation>Art: </translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Synopsis</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>CRowTexts</name>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>%1, not selected</source>
        <translation>%1, nicht ausgewählt</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Tape %1: %2</source>
        <translation>Band %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Catalogue, Normal View</source>
        <translation>Katalog, Normalansicht</translation>
    </message>
    <message>
        <source>Catalogue, One Line Sorts</source>
        <translation>Katalog, Einzeilige Sortierungen</translation>
    </message>
    <message>
        <source>Catalogue, Sort by Actors</source>
        <translation>Katalog, Nach Darstellern sortiert</translation>
    </message>
    <message>
        <source>Catalogue, Label Format</source>
        <translation>Katalog, Etiketten</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Select/&amp;Unselect All</source>
        <translation>&amp;Alle auswählen/abwählen</translation>
    </message>
    <message>
        <source>U&amp;ndo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Add a New Field</source>
        <translation>Neues Feld &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove a Field</source>
        <translation>Feld &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>reelkeep::CMainFrame</name>
    <message>
        <source>Filter on: %1 of %2 movies</source>
        <translation>Filter aktiv: %1 von %2 Filmen</translation>
    </message>
</context>
</TS>
