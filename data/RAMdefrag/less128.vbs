' Zunderwerk - Arbeitsspeicher defragmentieren, fuer Rechner mit weniger als 128 MB.
'
' Belegt fuer einen Augenblick einen grossen Textpuffer (32 MB; ein Zeichen braucht zwei
' Bytes) und gibt ihn gleich wieder frei. Dabei lagert Windows die Reste beendeter und
' ruhender Programme aus dem Arbeitsspeicher aus; danach steht den laufenden Programmen
' wieder zusammenhaengender freier Speicher zur Verfuegung.
Option Explicit

Const Megabyte = 1048576
Const Zeichen = 16 ' 16 Mi Zeichen = 32 MB

Dim Puffer
Puffer = Space(Zeichen * Megabyte)
Puffer = Empty

MsgBox "Der Arbeitsspeicher wurde aufger" & Chr(228) & "umt.", vbInformation, "Zunderwerk"
