<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the figures to a file</source>
        <translation>Die Zahlen in einer Datei speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open figures saved in a file</source>
        <translation>In einer Datei gespeicherte Zahlen öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the figures and the details</source>
        <translation>Die Zahlen und die Details drucken</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show or hide the details of the calculation</source>
        <translation>Die Details der Berechnung ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate the selected result</source>
        <translation>Das gewählte Ergebnis berechnen</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Help on the caption last clicked</source>
        <translation>Hilfe zur zuletzt angeklickten Beschriftung</translation>
    </message>
    <message>
        <source>The details of the last calculation</source>
        <translation>Die Details der letzten Berechnung</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Seite einrichten</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Printing the report...</source>
        <translation>Der Bericht wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>The file %1 is no longer there. It has been removed from the list of recent files.</source>
        <translation>Die Datei %1 ist nicht mehr vorhanden. Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>The chart and printing part of Selvane is not installed:
%1</source>
        <translation>Der Diagramm- und Druckteil von Selvane ist nicht installiert:
%1</translation>
    </message>
</context>
<context>
    <name>selvane::FinCalc</name>
    <message>
        <source>The last calculation solved nothing: choose what to solve for and calculate.</source>
        <translation>Die letzte Berechnung hat kein Ergebnis ermittelt: Wählen Sie, was berechnet werden soll, und berechnen Sie dann.</translation>
    </message>
    <message>
        <source>The new APR must be a number above -100.</source>
        <translation>Der neue Nominalzins muss eine Zahl größer als -100 sein.</translation>
    </message>
    <message>
        <source>A payment of %1 from payment %2 on would still end the plan on time.</source>
        <translation>Mit einer Rate von %1 ab Rate %2 würde der Plan weiterhin zum vorgesehenen Termin enden.</translation>
    </message>
    <message>
        <source>This scenario&apos;s mode is not one the calculator knows, so it computes no payment to find a rate for.</source>
        <translation>Der Modus dieses Szenarios ist dem Rechner nicht bekannt; daher berechnet er keine Rate, zu der sich ein Zins ermitteln ließe.</translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1: a later Calculate at that APR, solving for the payment, gives %2.</source>
        <translation>Das Feld für den Nominalzins zeigt den Zins mit drei Nachkommastellen an (%1): Wenn Sie später mit diesem Nominalzins die Rate berechnen lassen, ergibt sich %2.</translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1.</source>
        <translation>Das Feld für den Nominalzins zeigt den Zins mit drei Nachkommastellen an: %1.</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 Jahr</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 Monat</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>+%1 point (%2 %)</source>
        <translation>+%1 Prozentpunkt (%2 %)</translation>
    </message>
    <message>
        <source>+%1 points (%2 %)</source>
        <translation>+%1 Prozentpunkte (%2 %)</translation>
    </message>
    <message>
        <source>%1 payment</source>
        <translation>%1 Rate</translation>
    </message>
    <message>
        <source>%1 payments</source>
        <translation>%1 Raten</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Financial Files (*.fin)|*.fin</source>
        <translation>Alle Dateien (*.*)|*.*|Textdateien (*.txt)|*.txt|Finanzdateien (*.fin)|*.fin</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg</source>
        <translation>PNG-Bild (*.png)|*.png|SVG-Bild (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Bericht exportieren</translation>
    </message>
    <message>
        <source>Payment Table (*.csv)|*.csv|Yearly Summary (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Ratentabelle (*.csv)|*.csv|Jahresübersicht (*.csv)|*.csv|Excel-Arbeitsmappe (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>6 Months</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Biweekly</source>
        <translation>14-tägig</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Deposits to date</source>
        <translation>Einzahlungen bisher</translation>
    </message>
    <message>
        <source>Interest earned to date</source>
        <translation>Zinserträge bisher</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Einzahlungen</translation>
    </message>
    <message>
        <source>Interest earned</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Principal paid to date</source>
        <translation>Gezahltes Kapital bisher</translation>
    </message>
    <message>
        <source>Interest paid to date</source>
        <translation>Gezahlte Zinsen bisher</translation>
    </message>
    <message>
        <source>Principal paid</source>
        <translation>Gezahltes Kapital</translation>
    </message>
    <message>
        <source>Interest paid</source>
        <translation>Gezahlte Zinsen</translation>
    </message>
    <message>
        <source>Payment %1</source>
        <translation>Rate %1</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Saldo mit Sondertilgungen</translation>
    </message>
    <message>
        <source>Balance with the rate change</source>
        <translation>Saldo mit Zinsänderung</translation>
    </message>
    <message>
        <source>Balance with extras and the rate change</source>
        <translation>Saldo mit Sondertilgungen und Zinsänderung</translation>
    </message>
    <message>
        <source>The extra amount must be a number of at least 0.</source>
        <translation>Der Betrag der Sondertilgung muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>The one-time amount must be a number of at least 0.</source>
        <translation>Der Einmalbetrag muss eine Zahl von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>Extra payments start at a whole payment number from 1 to 10000000.</source>
        <translation>Sondertilgungen müssen bei einer ganzzahligen Ratennummer von 1 bis 10000000 beginnen.</translation>
    </message>
    <message>
        <source>The one-time amount goes with a whole payment number from 1 to 10000000.</source>
        <translation>Der Einmalbetrag gehört zu einer ganzzahligen Ratennummer von 1 bis 10000000.</translation>
    </message>
    <message>
        <source>The plan&apos;s figures are beyond the range of numbers, so it has no payment schedule.</source>
        <translation>Die Zahlen des Plans liegen außerhalb des darstellbaren Zahlenbereichs, daher gibt es keinen Zahlungsplan.</translation>
    </message>
    <message>
        <source>The plan has no payments, so it has no payment schedule.</source>
        <translation>Der Plan enthält keine Raten, daher gibt es keinen Zahlungsplan.</translation>
    </message>
    <message>
        <source>The plan has more than 10000000 payments, more than the calculator schedules.</source>
        <translation>Der Plan hat mehr als 10000000 Raten, mehr als der Rechner in einen Zahlungsplan aufnimmt.</translation>
    </message>
    <message>
        <source>The rate per payment is -100 % or less, so the plan has no payment schedule.</source>
        <translation>Der Zinssatz je Rate beträgt -100 % oder weniger, daher gibt es keinen Zahlungsplan.</translation>
    </message>
    <message>
        <source>The end amount is at or above the amount financed: the payments do not pay the balance down, so there is nothing for extra payments to pay off.</source>
        <translation>Der Endbetrag ist mindestens so hoch wie der finanzierte Betrag: Die Raten verringern den Saldo nicht, daher gibt es nichts, was Sondertilgungen tilgen könnten.</translation>
    </message>
    <message>
        <source>The payment is no more than the first period&apos;s interest, so the plan&apos;s balance does not fall: there is no schedule for extra payments to shorten.</source>
        <translation>Die Rate ist nicht höher als die Zinsen der ersten Periode, daher sinkt der Saldo nicht: Es gibt keinen Zahlungsplan, den Sondertilgungen verkürzen könnten.</translation>
    </message>
    <message>
        <source>Personal Loans</source>
        <translation>Ratenkredite</translation>
    </message>
    <message>
        <source>Loan Payment</source>
        <translation>Kreditrate</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Kreditbetrag</translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation>Anzahl Raten</translation>
    </message>
    <message>
        <source>Mortgages</source>
        <translation>Hypotheken</translation>
    </message>
    <message>
        <source>Mortgage Payment</source>
        <translation>Hypothekenrate</translation>
    </message>
    <message>
        <source>Purchase Amount</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Leases</source>
        <translation>Leasing</translation>
    </message>
    <message>
        <source>Lease Payment</source>
        <translation>Leasingrate</translation>
    </message>
    <message>
        <source>Lease Amount</source>
        <translation>Anschaffungswert</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Auszahlplan</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Start Amount</source>
        <translation>Startbetrag</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Sparplan</translation>
    </message>
    <message>
        <source>End Amount</source>
        <translation>Endbetrag</translation>
    </message>
    <message>
        <source>APR (%)</source>
        <translation>Nom. Zins</translation>
    </message>
    <message>
        <source>Cmpd</source>
        <translation>Zinsp.</translation>
    </message>
    <message>
        <source>Infl. (%)</source>
        <translation>Infl. (%)</translation>
    </message>
    <message>
        <source>Depr. (%)</source>
        <translation>Wertv. %</translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation>Eff. Zins</translation>
    </message>
    <message>
        <source>No. Pmts</source>
        <translation>Anz. Raten</translation>
    </message>
    <message>
        <source>Down Pmt</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Principal Paid</source>
        <translation>Gez. Kapital</translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation>Gez. Zinsen</translation>
    </message>
    <message>
        <source>Asset Value</source>
        <translation>Objektwert</translation>
    </message>
    <message>
        <source>Tax (%)</source>
        <translation>Steuer %</translation>
    </message>
    <message>
        <source>Purchase Amt</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Pmt Cost</source>
        <translation>Ratenlast</translation>
    </message>
    <message>
        <source>Purch. Amt</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Buyback </source>
        <translation>Restwert </translation>
    </message>
    <message>
        <source>Start Amt</source>
        <translation>Startbetrag</translation>
    </message>
    <message>
        <source>Pmt Value</source>
        <translation>Ratenwert</translation>
    </message>
    <message>
        <source>Choose a payment period and a compound period: without them the rate does not enter the payment.</source>
        <translation>Wählen Sie eine Zahlungsperiode und eine Zinsperiode: Ohne sie geht der Zins nicht in die Rate ein.</translation>
    </message>
    <message>
        <source>The number of payments must be more than 0 for the payment to have a rate.</source>
        <translation>Die Anzahl Raten muss größer als 0 sein, damit sich zur Rate ein Zins ermitteln lässt.</translation>
    </message>
    <message>
        <source>With this compound period the payment is computed only for more than %1 payments; with fewer it does not depend on the rate.</source>
        <translation>Mit dieser Zinsperiode wird die Rate erst bei mehr als %1 Raten berechnet; bei weniger Raten hängt sie nicht vom Zins ab.</translation>
    </message>
    <message>
        <source>The payment is not a number the calculator can use.</source>
        <translation>Die Rate ist keine Zahl, mit der der Rechner arbeiten kann.</translation>
    </message>
    <message>
        <source>The payment cannot be computed from these inputs at any rate from -100 % up.</source>
        <translation>Aus diesen Eingaben lässt sich bei keinem Zins ab -100 % eine Rate berechnen.</translation>
    </message>
    <message>
        <source>The payments add up to less than the amount borrowed minus the end amount; not even a rate near -100 % brings the payment down to %1.</source>
        <translation>Die Summe der Raten ist kleiner als der geliehene Betrag abzüglich des Endbetrags; selbst ein Zins nahe -100 % senkt die Rate nicht auf %1.</translation>
    </message>
    <message>
        <source>The deposits add up to more than the end amount minus the start amount; not even a rate near -100 % brings the deposit up to %1.</source>
        <translation>Die Summe der Einzahlungen ist größer als der Endbetrag abzüglich des Anfangsbetrags; selbst ein Zins nahe -100 % hebt die Einzahlung nicht auf %1 an.</translation>
    </message>
    <message>
        <source>just above -100</source>
        <translation>knapp über -100</translation>
    </message>
    <message>
        <source>No rate from %1 % to %2 % gives a payment of %3: over that range it runs from %4 to %5.</source>
        <translation>Kein Zins von %1 % bis %2 % ergibt eine Rate von %3: In diesem Bereich reicht sie von %4 bis %5.</translation>
    </message>
    <message>
        <source>Interest Earned</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Compound Period</source>
        <translation>Zinsperiode</translation>
    </message>
    <message>
        <source>Period for which interest is compounded</source>
        <translation>Zeitraum, nach dem die Zinsen dem Saldo zugeschlagen werden</translation>
    </message>
    <message>
        <source>Payment Period</source>
        <translation>Zahlungsperiode</translation>
    </message>
    <message>
        <source>Period of payments (normally monthly)</source>
        <translation>Zeitraum zwischen den Raten (normalerweise monatlich)</translation>
    </message>
    <message>
        <source>Select Result Type</source>
        <translation>Ergebnisart</translation>
    </message>
    <message>
        <source>Select the desired result of the calculation</source>
        <translation>Wählen Sie das gewünschte Ergebnis der Berechnung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Interim Results</source>
        <translation>Zwischenergebnisse</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Annual percentage rate (APR).</source>
        <translation>Jährlicher Nominalzins.</translation>
    </message>
    <message>
        <source>Annual Percentage Rate (APR)</source>
        <translation>Jährlicher Nominalzins</translation>
    </message>
    <message>
        <source>Compound period.  Normally same as payment period (1 month), but can be 6 months for mortgages.</source>
        <translation>Zinsperiode. Normalerweise gleich der Zahlungsperiode (1 Monat), bei Hypotheken aber auch 6 Monate.</translation>
    </message>
    <message>
        <source>Yearly inflation rate</source>
        <translation>Jährliche Inflationsrate</translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>Yearly depreciation rate</source>
        <translation>Jährlicher Wertverlust</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Wertverlust</translation>
    </message>
    <message>
        <source>Real Annual Percentage Rate (APR)</source>
        <translation>Effektivzins (effektiver Jahreszins)</translation>
    </message>
    <message>
        <source>Total number of payments.</source>
        <translation>Gesamtzahl der Raten.</translation>
    </message>
    <message>
        <source>Starting value of asset</source>
        <translation>Anfangswert des Objekts</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Principal amount left after final payment</source>
        <translation>Nach der letzten Rate verbleibender Betrag</translation>
    </message>
    <message>
        <source>Payment made or received</source>
        <translation>Gezahlte oder erhaltene Rate</translation>
    </message>
    <message>
        <source>Determine status after this number (N) of payments</source>
        <translation>Stand nach dieser Anzahl (N) Raten ermitteln</translation>
    </message>
    <message>
        <source>Balance left after N payments</source>
        <translation>Saldo nach N Raten</translation>
    </message>
    <message>
        <source>Principal paid after N payments</source>
        <translation>Gezahltes Kapital nach N Raten</translation>
    </message>
    <message>
        <source>Interest paid after N payments</source>
        <translation>Gezahlte Zinsen nach N Raten</translation>
    </message>
    <message>
        <source>Value of the asset after depreciation</source>
        <translation>Wert des Objekts nach Wertverlust</translation>
    </message>
    <message>
        <source>Sales tax</source>
        <translation>Umsatzsteuer</translation>
    </message>
    <message>
        <source>Cost of payment considering inflation</source>
        <translation>Ratenlast unter Berücksichtigung der Inflation</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>(The rest of this topic is not shown: the box shows at most 10,000 lines or 1 MiB.)</source>
        <translation>(Der Rest dieses Themas wird nicht angezeigt: Das Feld zeigt höchstens 10.000 Zeilen oder 1 MiB.)</translation>
    </message>
    <message>
        <source>Could not print to %1: %2</source>
        <translation>Der Druck in %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Could not save the chart as %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not export the report to %1: %2</source>
        <translation>Der Bericht konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>a chart is written as .png or .svg</source>
        <translation>ein Diagramm wird als .png oder .svg gespeichert</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>kein Dateiname</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>der Name enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>the writing was cancelled</source>
        <translation>das Schreiben wurde abgebrochen</translation>
    </message>
    <message>
        <source>the report&apos;s totals cannot be computed</source>
        <translation>die Summen des Berichts lassen sich nicht berechnen</translation>
    </message>
    <message>
        <source>Exporting the report...</source>
        <translation>Der Bericht wird exportiert...</translation>
    </message>
    <message>
        <source>Balance with the timeline</source>
        <translation>Saldo mit Zeitleiste</translation>
    </message>
    <message>
        <source>A payment number is a whole number from 1 to 10000000.</source>
        <translation>Eine Ratennummer ist eine ganze Zahl von 1 bis 10000000.</translation>
    </message>
    <message>
        <source>A rate change is: rate APR FROM payment|term.</source>
        <translation>Zu einer Zinsänderung gehören der neue Nominalzins, die erste Rate und ob danach die Rate oder das Enddatum gleich bleibt.</translation>
    </message>
    <message>
        <source>After a rate change, keep the payment or the term (the end date).</source>
        <translation>Nach einer Zinsänderung bleibt entweder die Rate oder die Laufzeit (das Enddatum) gleich.</translation>
    </message>
    <message>
        <source>An extra is: extra AMOUNT FROM [UNTIL [EVERY]].</source>
        <translation>Zu einer Sondertilgung gehören ein Betrag und die erste Rate, wahlweise auch die letzte Rate und ein Intervall.</translation>
    </message>
    <message>
        <source>Extras come every whole number of payments, from 1 to 10000000.</source>
        <translation>Das Intervall der Sondertilgungen ist eine ganze Zahl von Raten, von 1 bis 10000000.</translation>
    </message>
    <message>
        <source>A one-time amount is: lump AMOUNT AT.</source>
        <translation>Zu einem Einmalbetrag gehören der Betrag und die Rate, mit der er gezahlt wird.</translation>
    </message>
    <message>
        <source>A payment holiday is: holiday FROM COUNT skip|interest payment|term.</source>
        <translation>Zu einer Zahlungspause gehören die erste Rate, die Anzahl der Raten, ob nichts oder nur die Zinsen gezahlt werden und ob danach die Rate oder das Enddatum gleich bleibt.</translation>
    </message>
    <message>
        <source>A payment holiday lasts a whole number of payments, from 1 to 10000000.</source>
        <translation>Eine Zahlungspause dauert eine ganze Zahl von Raten, von 1 bis 10000000.</translation>
    </message>
    <message>
        <source>A payment holiday pays nothing (skip) or the interest (interest), then keeps the payment or the term.</source>
        <translation>In einer Zahlungspause zahlen Sie nichts oder nur die Zinsen; danach bleibt die Rate oder die Laufzeit gleich.</translation>
    </message>
    <message>
        <source>An event is a rate change, an extra, a one-time amount or a payment holiday.</source>
        <translation>Ein Ereignis ist eine Zinsänderung, eine Sondertilgung, ein Einmalbetrag oder eine Zahlungspause.</translation>
    </message>
    <message>
        <source>An extra&apos;s last payment comes before its first.</source>
        <translation>Bei der Sondertilgung liegt die letzte Rate vor der ersten.</translation>
    </message>
    <message>
        <source>An APR of %1 % gives no rate per payment the calculator can use.</source>
        <translation>Aus einem Nominalzins von %1 % ergibt sich kein Zinssatz je Rate, mit dem der Rechner arbeiten kann.</translation>
    </message>
    <message>
        <source>With these events the balance is paid off only after more than 10000000 payments, more than the calculator schedules.</source>
        <translation>Mit diesen Ereignissen wird der Saldo erst nach mehr als 10000000 Raten getilgt, mehr als der Rechner in einen Zahlungsplan aufnimmt.</translation>
    </message>
    <message>
        <source>From payment %1 on, the payment of %2 no longer covers the interest, so the balance is never paid off.</source>
        <translation>Ab Rate %1 deckt die Rate von %2 die Zinsen nicht mehr, sodass der Saldo nie getilgt wird.</translation>
    </message>
    <message>
        <source>The payments with these events add up to more than the calculator can hold.</source>
        <translation>Mit diesen Ereignissen summieren sich die Zahlungen auf mehr, als der Rechner darstellen kann.</translation>
    </message>
    <message>
        <source>the end date kept</source>
        <translation>bei gleichem Enddatum</translation>
    </message>
    <message>
        <source>the payment kept</source>
        <translation>bei gleicher Rate</translation>
    </message>
    <message>
        <source>From payment %1: %2 %, %3</source>
        <translation>Ab Rate %1: %2 %, %3</translation>
    </message>
    <message>
        <source>%1 more every %2 payments from payment %3</source>
        <translation>%1 zusätzlich alle %2 Raten ab Rate %3</translation>
    </message>
    <message>
        <source>%1 more every %2 payments from payment %3 to %4</source>
        <translation>%1 zusätzlich alle %2 Raten von Rate %3 bis %4</translation>
    </message>
    <message>
        <source>%1 more with every payment from payment %2</source>
        <translation>%1 zusätzlich zu jeder Rate ab Rate %2</translation>
    </message>
    <message>
        <source>%1 more with payments %2 to %3</source>
        <translation>%1 zusätzlich zu den Raten %2 bis %3</translation>
    </message>
    <message>
        <source>%1 once, with payment %2</source>
        <translation>%1 einmalig, mit Rate %2</translation>
    </message>
    <message>
        <source>Payments %1 to %2 not made, the interest added; %3</source>
        <translation>Raten %1 bis %2 ausgesetzt, Zinsen dem Saldo zugeschlagen; %3</translation>
    </message>
    <message>
        <source>Payments %1 to %2 pay the interest only; %3</source>
        <translation>Raten %1 bis %2 nur Zinsen gezahlt; %3</translation>
    </message>
    <message>
        <source>Overpayments lower the payment</source>
        <translation>Sondertilgungen senken die Rate</translation>
    </message>
    <message>
        <source>Overpayments shorten the plan</source>
        <translation>Sondertilgungen verkürzen die Laufzeit</translation>
    </message>
    <message>
        <source>The last calculation failed, so there is no plan to show: change the inputs and calculate again.</source>
        <translation>Die letzte Berechnung ist fehlgeschlagen, daher gibt es keinen Plan zum Anzeigen: Ändern Sie die Eingaben und berechnen Sie erneut.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: a lease&apos;s payments are set by its contract.</source>
        <translation>Sondertilgungen gibt es nur bei Krediten und Hypotheken: Leasingraten sind durch den Leasingvertrag festgelegt.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: income payments are paid to you.</source>
        <translation>Sondertilgungen gibt es nur bei Krediten und Hypotheken: Beim Auszahlplan werden die Raten an Sie ausgezahlt.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: for an investment, raise the deposit.</source>
        <translation>Sondertilgungen gibt es nur bei Krediten und Hypotheken: Erhöhen Sie bei einem Sparplan die Einzahlung.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages.</source>
        <translation>Sondertilgungen gibt es nur bei Krediten und Hypotheken.</translation>
    </message>
    <message>
        <source>The extra from payment %1 comes after the last payment (%2): not used.</source>
        <translation>Die Sondertilgung ab Rate %1 liegt nach der letzten Rate (%2): nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>The one-time amount at payment %1 comes after the last payment (%2): not used.</source>
        <translation>Der Einmalbetrag bei Rate %1 liegt nach der letzten Rate (%2): nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>The payments with these extras add up to more than the calculator can hold.</source>
        <translation>Mit diesen Sondertilgungen summieren sich die Zahlungen auf mehr, als der Rechner darstellen kann.</translation>
    </message>
    <message>
        <source>The new rate starts at a whole payment number from 1 to 10000000.</source>
        <translation>Der neue Zins muss ab einer ganzzahligen Ratennummer von 1 bis 10000000 gelten.</translation>
    </message>
    <message>
        <source>A rate change is for loans and mortgages, whose lender can reset the rate.</source>
        <translation>Eine Zinsänderung gibt es nur bei Krediten und Hypotheken, deren Kreditgeber den Zins neu festsetzen kann.</translation>
    </message>
    <message>
        <source>The new APR gives no rate per payment the calculator can use.</source>
        <translation>Aus dem neuen Nominalzins ergibt sich kein Zinssatz je Rate, mit dem der Rechner arbeiten kann.</translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 no longer covers the interest, so the balance is never paid off.</source>
        <translation>Bei %1 % deckt die Rate von %2 die Zinsen nicht mehr, sodass der Saldo nie getilgt wird.</translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 pays the balance off only after more than 10000000 payments, more than the calculator schedules.</source>
        <translation>Bei %1 % tilgt die Rate von %2 den Saldo erst nach mehr als 10000000 Raten, mehr als der Rechner in einen Zahlungsplan aufnimmt.</translation>
    </message>
    <message>
        <source>The payments with this rate add up to more than the calculator can hold.</source>
        <translation>Mit diesem Zins summieren sich die Raten auf mehr, als der Rechner darstellen kann.</translation>
    </message>
    <message>
        <source>From payment %1 on, the end date kept:</source>
        <translation>Ab Rate %1, bei gleichem Enddatum:</translation>
    </message>
    <message>
        <source>There is no such event.</source>
        <translation>Dieses Ereignis gibt es nicht.</translation>
    </message>
    <message>
        <source>A timeline of events is for loans and mortgages: rate changes, extras and payment holidays are a borrower&apos;s.</source>
        <translation>Eine Zeitleiste mit Ereignissen gibt es nur bei Krediten und Hypotheken: Zinsänderungen, Sondertilgungen und Zahlungspausen sind Sache des Kreditnehmers.</translation>
    </message>
    <message>
        <source>A date is written YYYY-MM-DD, a real day from the year 1 to 9999.</source>
        <translation>Ein Datum wird JJJJ-MM-TT geschrieben, ein gültiger Tag von Jahr 1 bis 9999.</translation>
    </message>
    <message>
        <source>The first payment cannot come before the start.</source>
        <translation>Die erste Rate kann nicht vor der Auszahlung liegen.</translation>
    </message>
    <message>
        <source>Set the date the loan is paid out to see the schedule by date.</source>
        <translation>Geben Sie das Auszahlungsdatum an, um den Plan nach Datum zu sehen.</translation>
    </message>
    <message>
        <source>The plan&apos;s last payment would fall after 31 December 9999.</source>
        <translation>Die letzte Rate des Plans fiele nach den 31. Dezember 9999.</translation>
    </message>
    <message>
        <source>Paid off in %1, as planned</source>
        <translation>Abbezahlt im %1, wie geplant</translation>
    </message>
    <message>
        <source>Paid off in %1, %2 sooner</source>
        <translation>Abbezahlt im %1, %2 früher</translation>
    </message>
    <message>
        <source>Paid off in %1, %2 later</source>
        <translation>Abbezahlt im %1, %2 später</translation>
    </message>
    <message>
        <source>Under a day count the figures are the lender&apos;s reckoning: they may differ from the details report by cents a row.</source>
        <translation>Mit einer Zinstagezählung sind die Zahlen die Rechnung des Kreditgebers: Sie können je Zeile um Cents vom Detailbericht abweichen.</translation>
    </message>
    <message>
        <source>Paid off on %1, payment %2</source>
        <translation>Abbezahlt am %1, Rate %2</translation>
    </message>
    <message>
        <source>Offers Files (*.offers)|*.offers|All Files (*.*)|*.*</source>
        <translation>Angebotsdateien (*.offers)|*.offers|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Open Offers</source>
        <translation>Angebote öffnen</translation>
    </message>
    <message>
        <source>Save Offers As</source>
        <translation>Angebote speichern unter</translation>
    </message>
    <message>
        <source>Export Offers</source>
        <translation>Angebote exportieren</translation>
    </message>
    <message>
        <source>Offers Table (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Angebotstabelle (*.csv)|*.csv|Excel-Arbeitsmappe (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Could not export the offers to %1: %2</source>
        <translation>Die Angebote konnten nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>There is an offer named %1 already.</source>
        <translation>Es gibt bereits ein Angebot namens %1.</translation>
    </message>
    <message>
        <source>%1 is not a name: one word, without blanks.</source>
        <translation>%1 ist kein Name: ein Wort ohne Leerzeichen.</translation>
    </message>
    <message>
        <source>%1 is not a period of the list.</source>
        <translation>%1 ist keine Periode der Liste.</translation>
    </message>
    <message>
        <source>%1 is not a whole number of payments.</source>
        <translation>%1 ist keine ganze Zahl von Raten.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>There is no offer named %1.</source>
        <translation>Es gibt kein Angebot namens %1.</translation>
    </message>
    <message>
        <source>%1 has no figures.</source>
        <translation>%1 hat keine Zahlen.</translation>
    </message>
    <message>
        <source>%1 never costs less than %2 for good.</source>
        <translation>%1 wird nie dauerhaft günstiger als %2.</translation>
    </message>
    <message>
        <source>%1 costs less than %2 from the start.</source>
        <translation>%1 ist von Anfang an günstiger als %2.</translation>
    </message>
    <message>
        <source>%1 costs less than %2 for good after its payment %3.</source>
        <translation>%1 ist nach seiner Rate %3 dauerhaft günstiger als %2.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>APR %</source>
        <translation>Nominalzins %</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Raten</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Zinsperiode</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Schlussrate</translation>
    </message>
    <message>
        <source>Up-front fees</source>
        <translation>Gebühren vorab</translation>
    </message>
    <message>
        <source>Added fees</source>
        <translation>Mitfinanzierte Gebühren</translation>
    </message>
    <message>
        <source>Fee a payment</source>
        <translation>Gebühr je Rate</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Cost of credit</source>
        <translation>Kreditkosten</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Gesamtbetrag</translation>
    </message>
    <message>
        <source>APRC</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>APR (US)</source>
        <translation>APR (USA)</translation>
    </message>
    <message>
        <source>Against cheapest</source>
        <translation>Mehr als günstigstes</translation>
    </message>
    <message>
        <source>cheapest</source>
        <translation>am günstigsten</translation>
    </message>
    <message>
        <source>Bold: the lowest cost of credit (interest and every fee). Underlined: the lowest APRC.</source>
        <translation>Fett: die geringsten Kreditkosten (Zinsen und alle Gebühren). Unterstrichen: der niedrigste effektive Jahreszins.</translation>
    </message>
    <message>
        <source>Line %1 of the offers file: %2</source>
        <translation>Zeile %1 der Angebotsdatei: %2</translation>
    </message>
    <message>
        <source>this is not an offers file.</source>
        <translation>Dies ist keine Angebotsdatei.</translation>
    </message>
    <message>
        <source>%1 is not offer or switch.</source>
        <translation>%1 ist weder offer noch switch.</translation>
    </message>
    <message>
        <source>Switching moves a loan&apos;s balance to an offer: this plan is not a loan.</source>
        <translation>Ein Wechsel überträgt den Saldo eines Kredits auf ein Angebot: Dieser Plan ist kein Kredit.</translation>
    </message>
    <message>
        <source>A switch comes after a payment from 0 to %1, before the plan&apos;s last.</source>
        <translation>Ein Wechsel folgt auf eine Rate von 0 bis %1, vor der letzten des Plans.</translation>
    </message>
    <message>
        <source>The plan&apos;s schedule does not end.</source>
        <translation>Der Zahlungsplan endet nicht.</translation>
    </message>
    <message>
        <source>%1 is not an offer&apos;s name.</source>
        <translation>%1 ist kein Name eines Angebots.</translation>
    </message>
    <message>
        <source>%1 is not a payment number from 0.</source>
        <translation>%1 ist keine Ratennummer ab 0.</translation>
    </message>
    <message>
        <source>%1 is not a charge in percent of at least 0.</source>
        <translation>%1 ist keine Gebühr in Prozent von mindestens 0.</translation>
    </message>
    <message>
        <source>%1 is not an amount of at least 0.</source>
        <translation>%1 ist kein Betrag von mindestens 0.</translation>
    </message>
    <message>
        <source>Calculate a loan first: a switch starts from the calculator&apos;s plan.</source>
        <translation>Berechnen Sie zuerst einen Kredit: Ein Wechsel geht vom Plan des Rechners aus.</translation>
    </message>
    <message>
        <source>Balance moved</source>
        <translation>Übertragener Saldo</translation>
    </message>
    <message>
        <source>Costs at the switch</source>
        <translation>Kosten beim Wechsel</translation>
    </message>
    <message>
        <source>New payment</source>
        <translation>Neue Rate</translation>
    </message>
    <message>
        <source>Saving a payment</source>
        <translation>Ersparnis je Rate</translation>
    </message>
    <message>
        <source>Pays for itself</source>
        <translation>Lohnt sich</translation>
    </message>
    <message>
        <source>Net saving by the plan&apos;s end</source>
        <translation>Ersparnis bis zum Planende</translation>
    </message>
    <message>
        <source>after payment %1 (%2)</source>
        <translation>nach Rate %1 (%2)</translation>
    </message>
    <message>
        <source>The switch never pays: the savings never exceed its costs.</source>
        <translation>Der Wechsel lohnt sich nie: Die Ersparnis übersteigt nie seine Kosten.</translation>
    </message>
    <message>
        <source>An offer&apos;s name is one word, without blanks.</source>
        <translation>Der Name eines Angebots ist ein Wort ohne Leerzeichen.</translation>
    </message>
    <message>
        <source>The amount must be above 0.</source>
        <translation>Der Betrag muss über 0 liegen.</translation>
    </message>
    <message>
        <source>The APR must be above -100.</source>
        <translation>Der Nominalzins muss über -100 liegen.</translation>
    </message>
    <message>
        <source>The number of payments must be a whole number from 1 to %1.</source>
        <translation>Die Anzahl der Raten muss eine ganze Zahl von 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>The balloon and the fees must be amounts of at least 0.</source>
        <translation>Schlussrate und Gebühren müssen Beträge von mindestens 0 sein.</translation>
    </message>
    <message>
        <source>The calculator cannot work out a payment for this offer.</source>
        <translation>Der Rechner kann für dieses Angebot keine Rate berechnen.</translation>
    </message>
    <message>
        <source>The fees paid up front take the whole amount: no rate can be worked out.</source>
        <translation>Die vorab gezahlten Gebühren verbrauchen den ganzen Betrag: Es lässt sich kein Zinssatz berechnen.</translation>
    </message>
    <message>
        <source>No single rate gives these payments for the amount received.</source>
        <translation>Kein einzelner Zinssatz ergibt diese Raten für den erhaltenen Betrag.</translation>
    </message>
    <message>
        <source>Statements (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All Files (*.*)|*.*</source>
        <translation>Tilgungspläne (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Open a Lender&apos;s Statement</source>
        <translation>Tilgungsplan des Kreditgebers öffnen</translation>
    </message>
    <message>
        <source>Save the Comparison</source>
        <translation>Vergleich speichern</translation>
    </message>
    <message>
        <source>Comparison (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Vergleich (*.csv)|*.csv|Excel-Arbeitsmappe (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Could not save the comparison to %1: %2</source>
        <translation>Der Vergleich konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the plan&apos;s equal periods</source>
        <translation>gleich lange Perioden des Plans</translation>
    </message>
    <message>
        <source>interest not rounded</source>
        <translation>Zinsen ungerundet</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded half up to the cent</source>
        <translation>Zinsen jeder Zeile kaufmännisch auf den Cent gerundet</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded half to even to the cent</source>
        <translation>Zinsen jeder Zeile auf den Cent gerundet, die Hälfte zur geraden Ziffer</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded down to the cent</source>
        <translation>Zinsen jeder Zeile auf den Cent abgerundet</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Lender&apos;s %1</source>
        <translation>%1 (Bank)</translation>
    </message>
    <message>
        <source>Our %1</source>
        <translation>%1 (berechnet)</translation>
    </message>
    <message>
        <source>Open a lender&apos;s statement, or paste one, to compare it with the plan.</source>
        <translation>Öffnen Sie den Tilgungsplan des Kreditgebers oder fügen Sie ihn ein, um ihn mit dem Plan zu vergleichen.</translation>
    </message>
    <message>
        <source>Your lender charges %1 %, not %3 %: %2.</source>
        <translation>Ihr Kreditgeber berechnet %1 %, nicht %3 %: %2.</translation>
    </message>
    <message>
        <source>Every row matches: %1, at %2 %.</source>
        <translation>Jede Zeile stimmt: %1, zu %2 %.</translation>
    </message>
    <message>
        <source>The closest reckoning: %1, at %2 %.</source>
        <translation>Die nächste Rechnung: %1, zu %2 %.</translation>
    </message>
    <message>
        <source>%1 of %2 rows match.</source>
        <translation>%1 von %2 Zeilen stimmen.</translation>
    </message>
    <message>
        <source>The first difference: payment %1 (%2), %3: the lender&apos;s %4, ours %5.</source>
        <translation>Die erste Abweichung: Zahlung %1 (%2), %3: bei der Bank %4, berechnet %5.</translation>
    </message>
    <message>
        <source>No figure differs.</source>
        <translation>Kein Betrag weicht ab.</translation>
    </message>
    <message>
        <source>The lender&apos;s final balance is %1 more than ours.</source>
        <translation>Der Saldo der Bank ist am Ende %1 höher als berechnet.</translation>
    </message>
    <message>
        <source>The lender&apos;s final balance is %1 less than ours.</source>
        <translation>Der Saldo der Bank ist am Ende %1 niedriger als berechnet.</translation>
    </message>
    <message>
        <source>The final balances agree.</source>
        <translation>Die Salden am Ende stimmen überein.</translation>
    </message>
    <message>
        <source>The statement does not tell its final balance.</source>
        <translation>Der Tilgungsplan nennt keinen Saldo am Ende.</translation>
    </message>
    <message>
        <source>The lender charged %1 more interest than our reckoning.</source>
        <translation>Die Bank hat %1 mehr Zinsen berechnet als wir.</translation>
    </message>
    <message>
        <source>The lender charged %1 less interest than our reckoning.</source>
        <translation>Die Bank hat %1 weniger Zinsen berechnet als wir.</translation>
    </message>
    <message>
        <source>The interest agrees with our reckoning.</source>
        <translation>Die Zinsen stimmen mit unserer Rechnung überein.</translation>
    </message>
    <message>
        <source>The statement does not tell all its interest.</source>
        <translation>Der Tilgungsplan nennt nicht alle Zinsen.</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>this is not text</source>
        <translation>das ist kein Text</translation>
    </message>
    <message>
        <source>more than 64 columns</source>
        <translation>mehr als 64 Spalten</translation>
    </message>
    <message>
        <source>the text is empty</source>
        <translation>der Text ist leer</translation>
    </message>
    <message>
        <source>the header names neither an Interest nor a Balance column</source>
        <translation>die Kopfzeile nennt weder eine Spalte Zinsen noch eine Spalte Saldo</translation>
    </message>
    <message>
        <source>no header naming a Date column and an Interest or Balance column</source>
        <translation>keine Kopfzeile mit einer Spalte Datum und einer Spalte Zinsen oder Saldo</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>ein Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 Felder, wo die Kopfzeile %2 hat</translation>
    </message>
    <message>
        <source>more than 100,000 payments</source>
        <translation>mehr als 100.000 Zahlungen</translation>
    </message>
    <message>
        <source>no date in the %1 column</source>
        <translation>kein Datum in der Spalte %1</translation>
    </message>
    <message>
        <source>the date is not after the one above it</source>
        <translation>das Datum liegt nicht nach dem darüber</translation>
    </message>
    <message>
        <source>no amount in the %1 column</source>
        <translation>kein Betrag in der Spalte %1</translation>
    </message>
    <message>
        <source>the amount in the %1 column is too large</source>
        <translation>der Betrag in der Spalte %1 ist zu groß</translation>
    </message>
    <message>
        <source>no payments below the header</source>
        <translation>keine Zahlungen unter der Kopfzeile</translation>
    </message>
    <message>
        <source>Calculate the plan first: the statement is checked against its APR.</source>
        <translation>Berechnen Sie zuerst den Plan: Der Tilgungsplan wird an seinem Zinssatz geprüft.</translation>
    </message>
    <message>
        <source>interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>the text is larger than 8 MB</source>
        <translation>der Text ist größer als 8 MB</translation>
    </message>
</context>
<context>
    <name>selvane::MoneyCharts</name>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Years, %1 a bar</source>
        <translation>Jahre, %1 je Balken</translation>
    </message>
    <message>
        <source>Payment date</source>
        <translation>Zahlungsdatum</translation>
    </message>
</context>
<context>
    <name>selvane::RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>selvane::ReportView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>selvane::StatementModel</name>
    <message>
        <source>%1, differs</source>
        <translation>%1, weicht ab</translation>
    </message>
</context>
<context>
    <name>selvane::YearlyModel</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Raten</translation>
    </message>
    <message>
        <source>Balance at Year End</source>
        <translation>Saldo am Jahresende</translation>
    </message>
</context>
<context>
    <name>selvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Loans, mortgages, leases, income and savings at a glance.</source>
        <translation>Kredite, Hypotheken, Leasing, Auszahlpläne und Sparpläne auf einen Blick.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
</context>
<context>
    <name>selvane::frmChart</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>&amp;Bild speichern...</translation>
    </message>
</context>
<context>
    <name>selvane::frmFinCalc</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>The selection holds more than %1 MB of text, and at most %1 MB (%2 bytes) can be copied at a time. Select a part of the report and copy again.</source>
        <translation>Die Auswahl enthält mehr als %1 MB Text, es können aber höchstens %1 MB (%2 Bytes) auf einmal kopiert werden. Wählen Sie einen Teil des Berichts aus und kopieren Sie erneut.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Export Report ...</source>
        <translation>Bericht &amp;exportieren ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>&amp;Funktion</translation>
    </message>
    <message>
        <source>&amp;Personal Loans</source>
        <translation>&amp;Ratenkredite</translation>
    </message>
    <message>
        <source>&amp;Mortgages</source>
        <translation>&amp;Hypotheken</translation>
    </message>
    <message>
        <source>&amp;Leases</source>
        <translation>&amp;Leasing</translation>
    </message>
    <message>
        <source>&amp;Income</source>
        <translation>&amp;Auszahlplan</translation>
    </message>
    <message>
        <source>In&amp;vestment</source>
        <translation>&amp;Sparplan</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;What If...</source>
        <translation>&amp;Was wäre wenn...</translation>
    </message>
    <message>
        <source>&amp;Find the Rate</source>
        <translation>&amp;Zins ermitteln</translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation>&amp;Diesen Zins übernehmen</translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation>Für Vergleich &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Clear Kept</source>
        <translation>Gemerktes &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>&amp;About Selvane</source>
        <translation>Ü&amp;ber Selvane</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Schedule...</source>
        <translation>&amp;Zahlungsplan...</translation>
    </message>
    <message>
        <source>C&amp;ompare Offers...</source>
        <translation>Angebote &amp;vergleichen...</translation>
    </message>
    <message>
        <source>Check a &amp;Lender&apos;s Statement...</source>
        <translation>Tilgungsplan des &amp;Kreditgebers prüfen...</translation>
    </message>
</context>
<context>
    <name>selvane::frmOffers</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Cost over time</source>
        <translation>Kosten im Zeitverlauf</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>A new offer, with the figures of the plan where there is one</source>
        <translation>Ein neues Angebot, mit den Zahlen des Plans, wo es einen gibt</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Cheaper for good</source>
        <translation>Dauerhaft günstiger</translation>
    </message>
    <message>
        <source>&amp;Offer</source>
        <translation>&amp;Angebot</translation>
    </message>
    <message>
        <source>A&amp;gainst</source>
        <translation>&amp;Gegen</translation>
    </message>
    <message>
        <source>Switch the plan to an offer</source>
        <translation>Den Plan zu einem Angebot wechseln</translation>
    </message>
    <message>
        <source>&amp;To offer</source>
        <translation>&amp;Zu Angebot</translation>
    </message>
    <message>
        <source>After &amp;payment</source>
        <translation>Nach &amp;Rate</translation>
    </message>
    <message>
        <source>Early-repayment &amp;charge (%)</source>
        <translation>&amp;Vorfälligkeitsentschädigung (%)</translation>
    </message>
    <message>
        <source>&amp;Switching costs</source>
        <translation>&amp;Wechselkosten</translation>
    </message>
    <message>
        <source>App&amp;ly</source>
        <translation>Über&amp;nehmen</translation>
    </message>
    <message>
        <source>Tur&amp;n Off</source>
        <translation>Aus&amp;schalten</translation>
    </message>
    <message>
        <source>Compare Offers</source>
        <translation>Angebote vergleichen</translation>
    </message>
    <message>
        <source>Compare Offers - %1</source>
        <translation>Angebote vergleichen - %1</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Paid so far</source>
        <translation>Bisher gezahlt</translation>
    </message>
</context>
<context>
    <name>selvane::frmSchedule</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Zahlungsplan</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Termine</translation>
    </message>
    <message>
        <source>&amp;Paid out on</source>
        <translation>&amp;Ausgezahlt am</translation>
    </message>
    <message>
        <source>Paid out on</source>
        <translation>Ausgezahlt am</translation>
    </message>
    <message>
        <source>&amp;First payment on</source>
        <translation>&amp;Erste Rate am</translation>
    </message>
    <message>
        <source>First payment on</source>
        <translation>Erste Rate am</translation>
    </message>
    <message>
        <source>The calculator&apos;s equal periods</source>
        <translation>Gleiche Perioden des Rechners</translation>
    </message>
    <message>
        <source>30/360</source>
        <translation>30/360</translation>
    </message>
    <message>
        <source>Actual/365</source>
        <translation>Act/365</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Act/360</translation>
    </message>
    <message>
        <source>Actual/actual</source>
        <translation>Act/Act</translation>
    </message>
    <message>
        <source>Day count</source>
        <translation>Zinstagezählung</translation>
    </message>
    <message>
        <source>No rounding</source>
        <translation>Ohne Rundung</translation>
    </message>
    <message>
        <source>Interest to the cent</source>
        <translation>Zinsen auf den Cent</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>&amp;Day count</source>
        <translation>&amp;Zinstagezählung</translation>
    </message>
    <message>
        <source>&amp;Rounding</source>
        <translation>R&amp;undung</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Raten</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Payments by date</source>
        <translation>Raten nach Datum</translation>
    </message>
    <message>
        <source>Calendar years</source>
        <translation>Kalenderjahre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Gezahlt</translation>
    </message>
</context>
<context>
    <name>selvane::frmStatement</name>
    <message>
        <source>Check a Lender&apos;s Statement</source>
        <translation>Tilgungsplan des Kreditgebers prüfen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Save Comparison...</source>
        <translation>Vergleich &amp;speichern...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The lender&apos;s rows beside ours</source>
        <translation>Die Zeilen der Bank neben den berechneten</translation>
    </message>
    <message>
        <source>Check a Lender&apos;s Statement - %1</source>
        <translation>Tilgungsplan des Kreditgebers prüfen - %1</translation>
    </message>
</context>
<context>
    <name>selvane::frmWhatIf</name>
    <message>
        <source>What If</source>
        <translation>Was wäre wenn</translation>
    </message>
    <message>
        <source>&amp;From payment</source>
        <translation>&amp;Ab Rate</translation>
    </message>
    <message>
        <source>Payments needed</source>
        <translation>Benötigte Raten</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Insgesamt gezahlt</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Rate change</source>
        <translation>Zinsänderung</translation>
    </message>
    <message>
        <source>&amp;New APR (%)</source>
        <translation>&amp;Neuer Nominalzins (%)</translation>
    </message>
    <message>
        <source>Interest change</source>
        <translation>Änderung der Zinsen</translation>
    </message>
    <message>
        <source>Term change</source>
        <translation>Änderung der Laufzeit</translation>
    </message>
    <message>
        <source>Rate shock</source>
        <translation>Zinsschock</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>Nominalzins</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Find the rate</source>
        <translation>Zins ermitteln</translation>
    </message>
    <message>
        <source>Find the &amp;Rate</source>
        <translation>Z&amp;ins ermitteln</translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation>&amp;Diesen Zins übernehmen</translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation>Effektivzins</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation>Für Vergleich &amp;merken</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gemerkt</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Anzahl Raten</translation>
    </message>
    <message>
        <source>Length of the plan</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>&amp;Betrag</translation>
    </message>
    <message>
        <source>&amp;Until payment</source>
        <translation>Bi&amp;s Rate</translation>
    </message>
    <message>
        <source>E&amp;very (payments)</source>
        <translation>Inter&amp;vall (Raten)</translation>
    </message>
    <message>
        <source>A&amp;t payment</source>
        <translation>Bei Ra&amp;te</translation>
    </message>
    <message>
        <source>&amp;Payments</source>
        <translation>An&amp;zahl Raten</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Extra payment</source>
        <translation>Sondertilgung</translation>
    </message>
    <message>
        <source>One-time amount</source>
        <translation>Einmalbetrag</translation>
    </message>
    <message>
        <source>Payment holiday</source>
        <translation>Zahlungspause</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Nothing paid, the interest added</source>
        <translation>Keine Zahlung, Zinsen dem Saldo zugeschlagen</translation>
    </message>
    <message>
        <source>The interest only</source>
        <translation>Nur die Zinsen</translation>
    </message>
    <message>
        <source>Then keep the payment</source>
        <translation>Danach Rate beibehalten</translation>
    </message>
    <message>
        <source>Then keep the end date</source>
        <translation>Danach Enddatum beibehalten</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Ände&amp;rn</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Overpayments shorten the plan</source>
        <translation>Sondertilgungen verkürzen die Laufzeit</translation>
    </message>
    <message>
        <source>Overpayments lower the payment</source>
        <translation>Sondertilgungen senken die Rate</translation>
    </message>
    <message>
        <source>Overpayments</source>
        <translation>Sondertilgungen</translation>
    </message>
    <message>
        <source>Payment of each stretch</source>
        <translation>Rate je Abschnitt</translation>
    </message>
    <message>
        <source>Paid off</source>
        <translation>Abbezahlt</translation>
    </message>
</context>
</TS>
