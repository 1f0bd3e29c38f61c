' Zunderwerk - Arbeitsspeicher defragmentieren, fuer Rechner mit mehr als 128 MB.
' Auch der Menuepunkt "DLL Cache leeren" des Symbols im Infobereich startet dieses Skript.
'
' Belegt fuer einen Augenblick einen grossen Textpuffer (64 MB; ein Zeichen braucht zwei
' Bytes) und gibt ihn gleich wieder frei. Dabei lagert Windows die Reste beendeter und
' ruhender Programme und nicht mehr benutzte DLLs aus dem Arbeitsspeicher aus; danach steht
' den laufenden Programmen wieder zusammenhaengender freier Speicher zur Verfuegung.
Option Explicit

Const Megabyte = 1048576
Const Zeichen = 32 ' 32 Mi Zeichen = 64 MB

Dim Puffer
Puffer = Space(Zeichen * Megabyte)
Puffer = Empty

MsgBox "Der Arbeitsspeicher wurde aufger" & Chr(228) & "umt.", vbInformation, "Zunderwerk"
