#include "cli/HelpText.h"

std::string GermanHelpText() {
    return R"(Aufruf:
  parcelon split DATEI [-s GRÖSSE | -n ANZAHL | -p VORGABE] [-d ORDNER] [--batch | --no-batch]
                 [--batch-delete-parts | --batch-keep-parts] [--batch-delete-self | --batch-keep-self]
                 [--script | --no-script] [--checksums | --no-checksums] [-y] [-q]
  parcelon cut   DATEI --at POS=NAME [--at POS=NAME ...] [--relative] [-d ORDNER] [-y] [-q]
  parcelon join  TEIL... [-d ORDNER] [-o NAME] [--order auto|listed] [--delete-parts | --keep-parts] [-y] [-q]
  parcelon verify DATEI
  parcelon --help | --version

split   Trennt DATEI in Teile namens DATEI.001, DATEI.002, ... im ORDNER. Jeder Teil außer dem
        letzten hat die Teilgröße; ist die Größe von DATEI ein Vielfaches davon, ist der letzte
        Teil leer. Nicht angegebene Optionen kommen aus den Einstellungen des Fensters; so
        trennt "parcelon split DATEI" genau wie das Fenster.
  -s, --size GRÖSSE     Teilgröße in Bytes, oder eine Zahl mit K, M oder G (Basis 1024): 100M
  -n, --parts ANZAHL    in ANZAHL Teile der Größe von DATEI / ANZAHL Bytes trennen
                        (abgerundet; ein Rest kommt in einen weiteren Teil)
  -p, --preset VORGABE  eine der Teilgrößen des Fensters:
                          0  3,5''-Diskette (1457664 Bytes)   3  ZIP 250 (257425408 Bytes)
                          1  5,25''-Diskette (1247899 Bytes)  4  CD-ROM 74 min (679477248 Bytes)
                          2  ZIP 100 (100348723 Bytes)        5  CD-ROM 80 min (731906048 Bytes)
  --batch, --no-batch   DATEI.bat neben die Teile schreiben (oder nicht); sie stellt DATEI
                        mit "copy /b" auf einem Rechner ohne dieses Programm wieder her
  --batch-delete-parts, --batch-keep-parts
                        die Stapeldatei und das Skript löschen (oder behalten) die Teile,
                        nachdem sie DATEI wiederhergestellt haben
  --batch-delete-self, --batch-keep-self
                        die Stapeldatei und das Skript löschen (oder behalten) sich am Ende
  --script, --no-script mit der Stapeldatei auch DATEI.sh schreiben (oder nicht); es stellt
                        DATEI mit "sh" auf einem Rechner ohne dieses Programm wieder her
                        und prüft sie
  --checksums, --no-checksums
                        DATEI.sha256 neben die Teile schreiben (oder nicht), im Format von
                        sha256sum: eine Zeile je Teil, dann eine für DATEI
  Eine vorhandene DATEI.bat, DATEI.sh oder DATEI.sha256 wird wie ein vorhandener Teil erfragt.
  Eine Trennung in weniger als 2 Teile wird abgelehnt. Eine Trennung, die die Teile einer
  früheren überschreibt, entfernt auch deren Teile hinter ihrem eigenen letzten und sagt, wie viele.

cut     Schneidet DATEI an frei gewählten Bytepositionen; jedes --at benennt den Teil, der
        bei POS beginnt. Die Bytes vor der ersten Position gehören zu keinem Teil; der letzte
        Teil reicht bis zum Ende.
  --at POS=NAME         POS in Bytes (K, M und G erlaubt), NAME ein Dateiname im ORDNER;
                        ein --at je Teil, in der Reihenfolge der Teile
  --relative            ab dem zweiten --at ist POS die Länge des Teils davor, statt einer
                        Position ab dem Anfang von DATEI

join    Setzt die TEILe zu einer Datei im ORDNER zusammen. Ein einzelner TEIL, der Teil 1 ist
        (film.avi.001), verbindet die ganze Folge daneben. Die Dateien, die eine Trennung neben
        die Teile schreibt (NAME.bat, NAME.sh, NAME.sha256), werden nie als Teile verbunden;
        parcelon sagt, welche es ausließ. Teilnummern mit einer Lücke werden
        abgelehnt, außer mit --order listed. Liegt DATEI.sha256 bei den Teilen, wird jeder
        Teil beim Kopieren geprüft und am Ende die verbundene Datei.
  -o, --output NAME     Name der verbundenen Datei; ohne Angabe der Name des ersten Teils
                        ohne seine Teilnummer (film.avi.001 ergibt film.avi)
  --order auto          (Vorgabe) in der Reihenfolge der Teilnummern verbinden, wenn jeder
                        TEIL eine hat; sonst in der angegebenen Reihenfolge, mit Hinweis
  --order listed        genau die angegebenen Dateien in der angegebenen Reihenfolge verbinden
  --delete-parts        jeden Teil löschen, sobald seine Bytes sicher gespeichert sind; ein
                        fehlender Teil beendet die Verbindung. Eine Protokolldatei neben der Ausgabe
                        hält den Fortschritt fest; derselbe Befehl setzt eine unterbrochene
                        Verbindung fort
  --keep-parts          die Teile behalten. Ohne eine der beiden Optionen entscheidet die
                        Einstellung des Fensters

verify  Prüft die Teile, und das Original, wenn es da ist, gegen NAME.sha256. DATEI ist die
        Prüfsummendatei, ein Teil oder der Name des Originals. Gibt je Datei OK, FAILED oder
        missing aus und endet nur mit 0, wenn jeder Teil oder das Original da ist und stimmt.

Gemeinsame Optionen:
  -d, --directory ORDNER
                        Ordner, in den die Teile oder die verbundene Datei geschrieben
                        werden; ohne Angabe der aktuelle Ordner
  -y, --yes             vorhandene Dateien ohne Nachfrage überschreiben. Ohne -y fragt
                        parcelon nach, wenn die Eingabe ein Terminal ist, und lehnt sonst ab
  -q, --quiet           keine Fortschrittszeile (sie erscheint nur, wenn stderr ein Terminal ist)
  -h, --help            dieser Text
  --version             Name und Version des Programms

Strg+C, SIGTERM und SIGHUP brechen den Vorgang ab; die bis dahin geschriebenen Dateien werden
geschlossen und behalten.

Rückgabewerte:
  0    erledigt
  1    fehlgeschlagen: ein Ein-/Ausgabefehler, eine falsche Prüfsumme, ein fehlender Teil oder
       eine Verbindung, die einen fehlenden Teil übersprungen hat (die Ausgabe bleibt)
  2    die Befehlszeile ist falsch
  3    abgelehnt: weniger als 2 Teile, eine vorhandene Datei ohne -y, eine Ausgabe, die
       zugleich Eingabe ist, oder Teilnummern mit einer Lücke
  129  durch SIGHUP beendet
  130  mit Strg+C abgebrochen
  143  durch SIGTERM beendet

Dateien: die Teile, DATEI.bat, DATEI.sh, DATEI.sha256, das Verbindungsprotokoll; die
Einstellungen, gemeinsam mit dem Fenster, in ~/.config/Brimvale/Parcelon.conf.

Beispiele:
  parcelon split film.avi                       trennen, wie es die Einstellungen sagen
  parcelon split film.avi -s 100M -d /media/usb --no-batch
  parcelon split sicherung.tar -n 4 -y -q
  parcelon split abbild.iso -p 4
  parcelon cut   aufnahme.wav --at 44=daten.raw --at 1000000=rest.raw
  parcelon cut   daten.bin --relative --at 0=erster.bin --at 512=zweiter.bin --at 512=rest.bin
  parcelon join  film.avi.001                   alle Teile von film.avi verbinden
  parcelon join  film.avi.001 film.avi.002 -o video.avi -d ~/videos --delete-parts
  parcelon join  b.teil a.teil --order listed -o ganz.bin
  parcelon verify film.avi.sha256
)";
}
