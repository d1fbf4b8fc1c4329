<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the figures to a file</source>
        <translation>Enregistrer les chiffres dans un fichier</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open figures saved in a file</source>
        <translation>Ouvrir des chiffres enregistrés dans un fichier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the figures and the details</source>
        <translation>Imprimer les chiffres et les détails</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Show or hide the details of the calculation</source>
        <translation>Afficher ou masquer les détails du calcul</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate the selected result</source>
        <translation>Calculer le résultat sélectionné</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Help on the caption last clicked</source>
        <translation>Aide sur le dernier libellé cliqué</translation>
    </message>
    <message>
        <source>The details of the last calculation</source>
        <translation>Les détails du dernier calcul</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Mise en page</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Printing the report...</source>
        <translation>Impression du rapport...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>The file %1 is no longer there. It has been removed from the list of recent files.</source>
        <translation>Le fichier %1 est introuvable. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>Views</name>
    <message>
        <source>The chart and printing part of Selvane is not installed:
%1</source>
        <translation>La partie graphique et impression de Selvane n&apos;est pas installée :
%1</translation>
    </message>
</context>
<context>
    <name>selvane::FinCalc</name>
    <message>
        <source>The last calculation solved nothing: choose what to solve for and calculate.</source>
        <translation>Le dernier calcul n&apos;a rien résolu : choisissez ce que vous voulez calculer, puis lancez le calcul.</translation>
    </message>
    <message>
        <source>The new APR must be a number above -100.</source>
        <translation>Le nouveau taux nominal doit être un nombre supérieur à -100.</translation>
    </message>
    <message>
        <source>A payment of %1 from payment %2 on would still end the plan on time.</source>
        <translation>Une échéance de %1 à partir de l&apos;échéance %2 permettrait de terminer le plan à la date prévue.</translation>
    </message>
    <message>
        <source>This scenario&apos;s mode is not one the calculator knows, so it computes no payment to find a rate for.</source>
        <translation>Le mode de ce scénario est inconnu de la calculatrice : elle ne calcule donc aucune échéance pour laquelle trouver un taux.</translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1: a later Calculate at that APR, solving for the payment, gives %2.</source>
        <translation>Le champ Taux nominal affiche le taux avec trois décimales, %1 : si vous calculez ensuite l&apos;échéance à ce taux, vous obtiendrez %2.</translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1.</source>
        <translation>Le champ Taux nominal affiche le taux avec trois décimales : %1.</translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation>%1 an</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 mois</translation>
    </message>
    <message>
        <source>+%1 point (%2 %)</source>
        <translation>+%1 point (%2 %)</translation>
    </message>
    <message>
        <source>+%1 points (%2 %)</source>
        <translation>+%1 points (%2 %)</translation>
    </message>
    <message>
        <source>%1 payment</source>
        <translation>%1 échéance</translation>
    </message>
    <message>
        <source>%1 payments</source>
        <translation>%1 échéances</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Financial Files (*.fin)|*.fin</source>
        <translation>Tous les fichiers (*.*)|*.*|Fichiers texte (*.txt)|*.txt|Fichiers financiers (*.fin)|*.fin</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg</source>
        <translation>Image PNG (*.png)|*.png|Image SVG (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation>Exporter le rapport</translation>
    </message>
    <message>
        <source>Payment Table (*.csv)|*.csv|Yearly Summary (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Tableau des échéances (*.csv)|*.csv|Récapitulatif annuel (*.csv)|*.csv|Classeur Excel (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotid.</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>6 Months</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Biweekly</source>
        <translation>2 semaines</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Bimensuelle</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Deposits to date</source>
        <translation>Versements cumulés</translation>
    </message>
    <message>
        <source>Interest earned to date</source>
        <translation>Intérêts perçus cumulés</translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation>Versements</translation>
    </message>
    <message>
        <source>Interest earned</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Principal paid to date</source>
        <translation>Capital payé cumulé</translation>
    </message>
    <message>
        <source>Interest paid to date</source>
        <translation>Intérêts payés cumulés</translation>
    </message>
    <message>
        <source>Principal paid</source>
        <translation>Capital payé</translation>
    </message>
    <message>
        <source>Interest paid</source>
        <translation>Intérêts payés</translation>
    </message>
    <message>
        <source>Payment %1</source>
        <translation>Échéance %1</translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation>Solde avec remboursements anticipés</translation>
    </message>
    <message>
        <source>Balance with the rate change</source>
        <translation>Solde avec le changement de taux</translation>
    </message>
    <message>
        <source>Balance with extras and the rate change</source>
        <translation>Solde avec remboursements anticipés et changement de taux</translation>
    </message>
    <message>
        <source>The extra amount must be a number of at least 0.</source>
        <translation>Le montant supplémentaire doit être un nombre supérieur ou égal à 0.</translation>
    </message>
    <message>
        <source>The one-time amount must be a number of at least 0.</source>
        <translation>Le versement unique doit être un nombre supérieur ou égal à 0.</translation>
    </message>
    <message>
        <source>Extra payments start at a whole payment number from 1 to 10000000.</source>
        <translation>Les remboursements anticipés commencent à un numéro d&apos;échéance entier compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>The one-time amount goes with a whole payment number from 1 to 10000000.</source>
        <translation>Le versement unique doit être associé à un numéro d&apos;échéance entier compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>The plan&apos;s figures are beyond the range of numbers, so it has no payment schedule.</source>
        <translation>Les chiffres du plan dépassent la plage des nombres utilisables : il n&apos;a donc pas d&apos;échéancier.</translation>
    </message>
    <message>
        <source>The plan has no payments, so it has no payment schedule.</source>
        <translation>Le plan ne comporte aucune échéance : il n&apos;a donc pas d&apos;échéancier.</translation>
    </message>
    <message>
        <source>The plan has more than 10000000 payments, more than the calculator schedules.</source>
        <translation>Le plan comporte plus de 10000000 échéances, soit davantage que ce que la calculatrice peut planifier.</translation>
    </message>
    <message>
        <source>The rate per payment is -100 % or less, so the plan has no payment schedule.</source>
        <translation>Le taux par échéance est inférieur ou égal à -100 % : le plan n&apos;a donc pas d&apos;échéancier.</translation>
    </message>
    <message>
        <source>The end amount is at or above the amount financed: the payments do not pay the balance down, so there is nothing for extra payments to pay off.</source>
        <translation>Le montant final est supérieur ou égal au montant financé : les échéances ne réduisent pas le capital restant dû, il n&apos;y a donc rien à rembourser par anticipation.</translation>
    </message>
    <message>
        <source>The payment is no more than the first period&apos;s interest, so the plan&apos;s balance does not fall: there is no schedule for extra payments to shorten.</source>
        <translation>L&apos;échéance ne dépasse pas les intérêts de la première période, le capital restant dû ne diminue donc pas : il n&apos;y a pas d&apos;échéancier que des remboursements anticipés pourraient raccourcir.</translation>
    </message>
    <message>
        <source>Personal Loans</source>
        <translation>Prêts personnels</translation>
    </message>
    <message>
        <source>Loan Payment</source>
        <translation>Échéance du prêt</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Montant du prêt</translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation>Nombre d&apos;échéances</translation>
    </message>
    <message>
        <source>Mortgages</source>
        <translation>Prêts immobiliers</translation>
    </message>
    <message>
        <source>Mortgage Payment</source>
        <translation>Échéance du prêt immo.</translation>
    </message>
    <message>
        <source>Purchase Amount</source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message>
        <source>Leases</source>
        <translation>Leasing</translation>
    </message>
    <message>
        <source>Lease Payment</source>
        <translation>Loyer du leasing</translation>
    </message>
    <message>
        <source>Lease Amount</source>
        <translation>Prix du bien</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Start Amount</source>
        <translation>Mont. initial</translation>
    </message>
    <message>
        <source>Investments</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>End Amount</source>
        <translation>Mont. final</translation>
    </message>
    <message>
        <source>APR (%)</source>
        <translation>Taux (%)</translation>
    </message>
    <message>
        <source>Cmpd</source>
        <translation>Capit.</translation>
    </message>
    <message>
        <source>Infl. (%)</source>
        <translation>Infl. (%)</translation>
    </message>
    <message>
        <source>Depr. (%)</source>
        <translation>Dépr. %</translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation>Taux eff.</translation>
    </message>
    <message>
        <source>No. Pmts</source>
        <translation>Nb éch.</translation>
    </message>
    <message>
        <source>Down Pmt</source>
        <translation>Apport</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Principal Paid</source>
        <translation>Capital payé</translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation>Intérêts payés</translation>
    </message>
    <message>
        <source>Asset Value</source>
        <translation>Val. du bien</translation>
    </message>
    <message>
        <source>Tax (%)</source>
        <translation>Taxe (%)</translation>
    </message>
    <message>
        <source>Purchase Amt</source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message>
        <source>Pmt Cost</source>
        <translation>Coût éch.</translation>
    </message>
    <message>
        <source>Purch. Amt</source>
        <translation>Prix d&apos;achat</translation>
    </message>
    <message>
        <source>Buyback </source>
        <translation>Val. rés. </translation>
    </message>
    <message>
        <source>Start Amt</source>
        <translation>Mont. init.</translation>
    </message>
    <message>
        <source>Pmt Value</source>
        <translation>Valeur éch.</translation>
    </message>
    <message>
        <source>Choose a payment period and a compound period: without them the rate does not enter the payment.</source>
        <translation>Choisissez une périodicité des paiements et une période de capitalisation : sans elles, le taux n&apos;intervient pas dans l&apos;échéance.</translation>
    </message>
    <message>
        <source>The number of payments must be more than 0 for the payment to have a rate.</source>
        <translation>Le nombre d&apos;échéances doit être supérieur à 0 pour qu&apos;un taux s&apos;applique à l&apos;échéance.</translation>
    </message>
    <message>
        <source>With this compound period the payment is computed only for more than %1 payments; with fewer it does not depend on the rate.</source>
        <translation>Avec cette période de capitalisation, l&apos;échéance n&apos;est calculée qu&apos;au-delà de %1 échéances ; en deçà, elle ne dépend pas du taux.</translation>
    </message>
    <message>
        <source>The payment is not a number the calculator can use.</source>
        <translation>L&apos;échéance n&apos;est pas un nombre utilisable par la calculatrice.</translation>
    </message>
    <message>
        <source>The payment cannot be computed from these inputs at any rate from -100 % up.</source>
        <translation>Avec ces données, aucun taux à partir de -100 % ne permet de calculer l&apos;échéance.</translation>
    </message>
    <message>
        <source>The payments add up to less than the amount borrowed minus the end amount; not even a rate near -100 % brings the payment down to %1.</source>
        <translation>Le total des échéances est inférieur au montant emprunté diminué du montant final ; même un taux proche de -100 % ne ramène pas l&apos;échéance à %1.</translation>
    </message>
    <message>
        <source>The deposits add up to more than the end amount minus the start amount; not even a rate near -100 % brings the deposit up to %1.</source>
        <translation>Le total des versements dépasse le montant final diminué du montant initial ; même un taux proche de -100 % ne porte pas le versement à %1.</translation>
    </message>
    <message>
        <source>just above -100</source>
        <translation>juste au-dessus de -100</translation>
    </message>
    <message>
        <source>No rate from %1 % to %2 % gives a payment of %3: over that range it runs from %4 to %5.</source>
        <translation>Aucun taux entre %1 % et %2 % ne donne une échéance de %3 : sur cette plage, elle va de %4 à %5.</translation>
    </message>
    <message>
        <source>Interest Earned</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Compound Period</source>
        <translation>Capitalisation</translation>
    </message>
    <message>
        <source>Period for which interest is compounded</source>
        <translation>Période à laquelle les intérêts sont capitalisés</translation>
    </message>
    <message>
        <source>Payment Period</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Period of payments (normally monthly)</source>
        <translation>Périodicité des paiements (normalement mensuelle)</translation>
    </message>
    <message>
        <source>Select Result Type</source>
        <translation>Type de résultat</translation>
    </message>
    <message>
        <source>Select the desired result of the calculation</source>
        <translation>Choisissez le résultat à calculer</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Interim Results</source>
        <translation>Résultats intermédiaires</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Annual percentage rate (APR).</source>
        <translation>Taux nominal annuel, en pourcentage.</translation>
    </message>
    <message>
        <source>Annual Percentage Rate (APR)</source>
        <translation>Taux nominal annuel</translation>
    </message>
    <message>
        <source>Compound period.  Normally same as payment period (1 month), but can be 6 months for mortgages.</source>
        <translation>Période de capitalisation. Normalement identique à la périodicité des paiements (1 mois), mais elle peut être de 6 mois pour les prêts immobiliers.</translation>
    </message>
    <message>
        <source>Yearly inflation rate</source>
        <translation>Taux d&apos;inflation annuel</translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>Yearly depreciation rate</source>
        <translation>Taux de décote annuel</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Décote</translation>
    </message>
    <message>
        <source>Real Annual Percentage Rate (APR)</source>
        <translation>Taux effectif annuel</translation>
    </message>
    <message>
        <source>Total number of payments.</source>
        <translation>Nombre total d&apos;échéances.</translation>
    </message>
    <message>
        <source>Starting value of asset</source>
        <translation>Valeur initiale du bien</translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation>Apport</translation>
    </message>
    <message>
        <source>Principal amount left after final payment</source>
        <translation>Capital restant après la dernière échéance</translation>
    </message>
    <message>
        <source>Payment made or received</source>
        <translation>Échéance payée ou reçue</translation>
    </message>
    <message>
        <source>Determine status after this number (N) of payments</source>
        <translation>Situation après ce nombre (N) d&apos;échéances</translation>
    </message>
    <message>
        <source>Balance left after N payments</source>
        <translation>Solde restant après N échéances</translation>
    </message>
    <message>
        <source>Principal paid after N payments</source>
        <translation>Capital payé après N échéances</translation>
    </message>
    <message>
        <source>Interest paid after N payments</source>
        <translation>Intérêts payés après N échéances</translation>
    </message>
    <message>
        <source>Value of the asset after depreciation</source>
        <translation>Valeur du bien après décote</translation>
    </message>
    <message>
        <source>Sales tax</source>
        <translation>Taxe sur les ventes</translation>
    </message>
    <message>
        <source>Cost of payment considering inflation</source>
        <translation>Coût de l&apos;échéance corrigé de l&apos;inflation</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Fichiers récents</translation>
    </message>
    <message>
        <source>(The rest of this topic is not shown: the box shows at most 10,000 lines or 1 MiB.)</source>
        <translation>(La suite de cette rubrique n&apos;est pas affichée : la zone affiche au plus 10 000 lignes ou 1 Mio.)</translation>
    </message>
    <message>
        <source>Could not print to %1: %2</source>
        <translation>Impossible d&apos;imprimer dans %1 : %2</translation>
    </message>
    <message>
        <source>Could not save the chart as %1: %2</source>
        <translation>Impossible d&apos;enregistrer le graphique sous %1 : %2</translation>
    </message>
    <message>
        <source>Could not export the report to %1: %2</source>
        <translation>Impossible d&apos;exporter le rapport vers %1 : %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>a chart is written as .png or .svg</source>
        <translation>un graphique s&apos;enregistre en .png ou .svg</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no file name</source>
        <translation>aucun nom de fichier</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>le nom contient un octet NUL</translation>
    </message>
    <message>
        <source>the writing was cancelled</source>
        <translation>l&apos;écriture a été annulée</translation>
    </message>
    <message>
        <source>the report&apos;s totals cannot be computed</source>
        <translation>les totaux du rapport ne peuvent pas être calculés</translation>
    </message>
    <message>
        <source>Exporting the report...</source>
        <translation>Exportation du rapport...</translation>
    </message>
    <message>
        <source>Balance with the timeline</source>
        <translation>Solde avec la chronologie</translation>
    </message>
    <message>
        <source>A payment number is a whole number from 1 to 10000000.</source>
        <translation>Un numéro d&apos;échéance est un nombre entier compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>A rate change is: rate APR FROM payment|term.</source>
        <translation>Un changement de taux demande le nouveau taux nominal, la première échéance concernée et s&apos;il faut ensuite garder l&apos;échéance ou la date de fin.</translation>
    </message>
    <message>
        <source>After a rate change, keep the payment or the term (the end date).</source>
        <translation>Après un changement de taux, gardez l&apos;échéance ou la durée (la date de fin).</translation>
    </message>
    <message>
        <source>An extra is: extra AMOUNT FROM [UNTIL [EVERY]].</source>
        <translation>Un remboursement anticipé demande un montant et une première échéance, et au besoin une dernière échéance et un intervalle.</translation>
    </message>
    <message>
        <source>Extras come every whole number of payments, from 1 to 10000000.</source>
        <translation>L&apos;intervalle des remboursements anticipés est un nombre entier d&apos;échéances, compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>A one-time amount is: lump AMOUNT AT.</source>
        <translation>Un versement unique demande un montant et l&apos;échéance avec laquelle il est versé.</translation>
    </message>
    <message>
        <source>A payment holiday is: holiday FROM COUNT skip|interest payment|term.</source>
        <translation>Un report d&apos;échéances demande la première échéance, le nombre d&apos;échéances, si l&apos;on ne paie rien ou seulement les intérêts, et s&apos;il faut ensuite garder l&apos;échéance ou la date de fin.</translation>
    </message>
    <message>
        <source>A payment holiday lasts a whole number of payments, from 1 to 10000000.</source>
        <translation>Un report d&apos;échéances dure un nombre entier d&apos;échéances, compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>A payment holiday pays nothing (skip) or the interest (interest), then keeps the payment or the term.</source>
        <translation>Pendant un report d&apos;échéances, on ne paie rien ou seulement les intérêts ; ensuite, l&apos;échéance ou la durée est conservée.</translation>
    </message>
    <message>
        <source>An event is a rate change, an extra, a one-time amount or a payment holiday.</source>
        <translation>Un événement est un changement de taux, un remboursement anticipé, un versement unique ou un report d&apos;échéances.</translation>
    </message>
    <message>
        <source>An extra&apos;s last payment comes before its first.</source>
        <translation>La dernière échéance du remboursement anticipé précède la première.</translation>
    </message>
    <message>
        <source>An APR of %1 % gives no rate per payment the calculator can use.</source>
        <translation>Un taux nominal de %1 % ne donne aucun taux par échéance utilisable par la calculatrice.</translation>
    </message>
    <message>
        <source>With these events the balance is paid off only after more than 10000000 payments, more than the calculator schedules.</source>
        <translation>Avec ces événements, le capital restant dû n&apos;est remboursé qu&apos;après plus de 10000000 échéances, soit davantage que ce que la calculatrice peut planifier.</translation>
    </message>
    <message>
        <source>From payment %1 on, the payment of %2 no longer covers the interest, so the balance is never paid off.</source>
        <translation>À partir de l&apos;échéance %1, l&apos;échéance de %2 ne couvre plus les intérêts : le capital restant dû n&apos;est donc jamais remboursé.</translation>
    </message>
    <message>
        <source>The payments with these events add up to more than the calculator can hold.</source>
        <translation>Avec ces événements, le total des échéances dépasse ce que la calculatrice peut gérer.</translation>
    </message>
    <message>
        <source>the end date kept</source>
        <translation>date de fin conservée</translation>
    </message>
    <message>
        <source>the payment kept</source>
        <translation>échéance conservée</translation>
    </message>
    <message>
        <source>From payment %1: %2 %, %3</source>
        <translation>À partir de l&apos;échéance %1 : %2 %, %3</translation>
    </message>
    <message>
        <source>%1 more every %2 payments from payment %3</source>
        <translation>%1 de plus toutes les %2 échéances à partir de l&apos;échéance %3</translation>
    </message>
    <message>
        <source>%1 more every %2 payments from payment %3 to %4</source>
        <translation>%1 de plus toutes les %2 échéances, de l&apos;échéance %3 à %4</translation>
    </message>
    <message>
        <source>%1 more with every payment from payment %2</source>
        <translation>%1 de plus à chaque échéance à partir de l&apos;échéance %2</translation>
    </message>
    <message>
        <source>%1 more with payments %2 to %3</source>
        <translation>%1 de plus aux échéances %2 à %3</translation>
    </message>
    <message>
        <source>%1 once, with payment %2</source>
        <translation>%1 une seule fois, avec l&apos;échéance %2</translation>
    </message>
    <message>
        <source>Payments %1 to %2 not made, the interest added; %3</source>
        <translation>Échéances %1 à %2 non payées, intérêts ajoutés au capital ; %3</translation>
    </message>
    <message>
        <source>Payments %1 to %2 pay the interest only; %3</source>
        <translation>Échéances %1 à %2 limitées aux intérêts ; %3</translation>
    </message>
    <message>
        <source>Overpayments lower the payment</source>
        <translation>Les remboursements anticipés réduisent l&apos;échéance</translation>
    </message>
    <message>
        <source>Overpayments shorten the plan</source>
        <translation>Les remboursements anticipés réduisent la durée</translation>
    </message>
    <message>
        <source>The last calculation failed, so there is no plan to show: change the inputs and calculate again.</source>
        <translation>Le dernier calcul a échoué, il n&apos;y a donc aucun plan à afficher : modifiez les données saisies et relancez le calcul.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: a lease&apos;s payments are set by its contract.</source>
        <translation>Les remboursements anticipés concernent les prêts et les prêts immobiliers : les loyers d&apos;un leasing sont fixés par le contrat.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: income payments are paid to you.</source>
        <translation>Les remboursements anticipés concernent les prêts et les prêts immobiliers : les échéances de revenus vous sont versées.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: for an investment, raise the deposit.</source>
        <translation>Les remboursements anticipés concernent les prêts et les prêts immobiliers : pour une épargne, augmentez plutôt le versement.</translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages.</source>
        <translation>Les remboursements anticipés concernent les prêts et les prêts immobiliers.</translation>
    </message>
    <message>
        <source>The extra from payment %1 comes after the last payment (%2): not used.</source>
        <translation>Le supplément à partir de l&apos;échéance %1 intervient après la dernière échéance (%2) : il n&apos;est pas pris en compte.</translation>
    </message>
    <message>
        <source>The one-time amount at payment %1 comes after the last payment (%2): not used.</source>
        <translation>Le versement unique à l&apos;échéance %1 intervient après la dernière échéance (%2) : il n&apos;est pas pris en compte.</translation>
    </message>
    <message>
        <source>The payments with these extras add up to more than the calculator can hold.</source>
        <translation>Avec ces remboursements anticipés, le total des échéances dépasse ce que la calculatrice peut gérer.</translation>
    </message>
    <message>
        <source>The new rate starts at a whole payment number from 1 to 10000000.</source>
        <translation>Le nouveau taux s&apos;applique à partir d&apos;un numéro d&apos;échéance entier compris entre 1 et 10000000.</translation>
    </message>
    <message>
        <source>A rate change is for loans and mortgages, whose lender can reset the rate.</source>
        <translation>Un changement de taux ne concerne que les prêts et les prêts immobiliers, dont le prêteur peut réviser le taux.</translation>
    </message>
    <message>
        <source>The new APR gives no rate per payment the calculator can use.</source>
        <translation>Le nouveau taux nominal ne donne aucun taux par échéance utilisable par la calculatrice.</translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 no longer covers the interest, so the balance is never paid off.</source>
        <translation>À %1 %, l&apos;échéance de %2 ne couvre plus les intérêts : le capital restant dû n&apos;est donc jamais remboursé.</translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 pays the balance off only after more than 10000000 payments, more than the calculator schedules.</source>
        <translation>À %1 %, l&apos;échéance de %2 ne rembourse le capital restant dû qu&apos;après plus de 10000000 échéances, soit davantage que ce que la calculatrice peut planifier.</translation>
    </message>
    <message>
        <source>The payments with this rate add up to more than the calculator can hold.</source>
        <translation>Avec ce taux, le total des échéances dépasse ce que la calculatrice peut gérer.</translation>
    </message>
    <message>
        <source>From payment %1 on, the end date kept:</source>
        <translation>À partir de l&apos;échéance %1, date de fin conservée :</translation>
    </message>
    <message>
        <source>There is no such event.</source>
        <translation>Cet événement n&apos;existe pas.</translation>
    </message>
    <message>
        <source>A timeline of events is for loans and mortgages: rate changes, extras and payment holidays are a borrower&apos;s.</source>
        <translation>Une chronologie d&apos;événements ne concerne que les prêts et les prêts immobiliers : changements de taux, remboursements anticipés et reports d&apos;échéances sont l&apos;affaire de l&apos;emprunteur.</translation>
    </message>
    <message>
        <source>A date is written YYYY-MM-DD, a real day from the year 1 to 9999.</source>
        <translation>Une date s&apos;écrit AAAA-MM-JJ, un jour réel de l&apos;an 1 à 9999.</translation>
    </message>
    <message>
        <source>The first payment cannot come before the start.</source>
        <translation>La première échéance ne peut pas précéder le versement du prêt.</translation>
    </message>
    <message>
        <source>Set the date the loan is paid out to see the schedule by date.</source>
        <translation>Indiquez la date de versement du prêt pour voir l&apos;échéancier par date.</translation>
    </message>
    <message>
        <source>The plan&apos;s last payment would fall after 31 December 9999.</source>
        <translation>La dernière échéance du plan tomberait après le 31 décembre 9999.</translation>
    </message>
    <message>
        <source>Paid off in %1, as planned</source>
        <translation>Remboursé en %1, comme prévu</translation>
    </message>
    <message>
        <source>Paid off in %1, %2 sooner</source>
        <translation>Remboursé en %1, %2 plus tôt</translation>
    </message>
    <message>
        <source>Paid off in %1, %2 later</source>
        <translation>Remboursé en %1, %2 plus tard</translation>
    </message>
    <message>
        <source>Under a day count the figures are the lender&apos;s reckoning: they may differ from the details report by cents a row.</source>
        <translation>Avec un décompte des jours, les chiffres sont ceux du prêteur : ils peuvent différer du rapport détaillé de quelques centimes par ligne.</translation>
    </message>
    <message>
        <source>Paid off on %1, payment %2</source>
        <translation>Remboursé le %1, échéance %2</translation>
    </message>
    <message>
        <source>Offers Files (*.offers)|*.offers|All Files (*.*)|*.*</source>
        <translation>Fichiers d&apos;offres (*.offers)|*.offers|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Open Offers</source>
        <translation>Ouvrir des offres</translation>
    </message>
    <message>
        <source>Save Offers As</source>
        <translation>Enregistrer les offres sous</translation>
    </message>
    <message>
        <source>Export Offers</source>
        <translation>Exporter les offres</translation>
    </message>
    <message>
        <source>Offers Table (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Tableau des offres (*.csv)|*.csv|Classeur Excel (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Could not export the offers to %1: %2</source>
        <translation>Impossible d&apos;exporter les offres vers %1 : %2</translation>
    </message>
    <message>
        <source>There is an offer named %1 already.</source>
        <translation>Il existe déjà une offre nommée %1.</translation>
    </message>
    <message>
        <source>%1 is not a name: one word, without blanks.</source>
        <translation>%1 n&apos;est pas un nom : un mot, sans espaces.</translation>
    </message>
    <message>
        <source>%1 is not a period of the list.</source>
        <translation>%1 n&apos;est pas une période de la liste.</translation>
    </message>
    <message>
        <source>%1 is not a whole number of payments.</source>
        <translation>%1 n&apos;est pas un nombre entier d&apos;échéances.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>There is no offer named %1.</source>
        <translation>Il n&apos;y a pas d&apos;offre nommée %1.</translation>
    </message>
    <message>
        <source>%1 has no figures.</source>
        <translation>%1 n&apos;a pas de chiffres.</translation>
    </message>
    <message>
        <source>%1 never costs less than %2 for good.</source>
        <translation>%1 ne coûte jamais moins que %2 pour de bon.</translation>
    </message>
    <message>
        <source>%1 costs less than %2 from the start.</source>
        <translation>%1 coûte moins que %2 dès le départ.</translation>
    </message>
    <message>
        <source>%1 costs less than %2 for good after its payment %3.</source>
        <translation>%1 coûte moins que %2 pour de bon après son échéance %3.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>APR %</source>
        <translation>Taux nominal %</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Compound</source>
        <translation>Capitalisation</translation>
    </message>
    <message>
        <source>Balloon</source>
        <translation>Paiement final</translation>
    </message>
    <message>
        <source>Up-front fees</source>
        <translation>Frais d&apos;avance</translation>
    </message>
    <message>
        <source>Added fees</source>
        <translation>Frais financés</translation>
    </message>
    <message>
        <source>Fee a payment</source>
        <translation>Frais par échéance</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Frais</translation>
    </message>
    <message>
        <source>Cost of credit</source>
        <translation>Coût du crédit</translation>
    </message>
    <message>
        <source>Total payable</source>
        <translation>Montant total dû</translation>
    </message>
    <message>
        <source>APRC</source>
        <translation>TAEG</translation>
    </message>
    <message>
        <source>APR (US)</source>
        <translation>APR (É.-U.)</translation>
    </message>
    <message>
        <source>Against cheapest</source>
        <translation>En plus du moins cher</translation>
    </message>
    <message>
        <source>cheapest</source>
        <translation>le moins cher</translation>
    </message>
    <message>
        <source>Bold: the lowest cost of credit (interest and every fee). Underlined: the lowest APRC.</source>
        <translation>En gras : le coût du crédit le plus bas (intérêts et tous les frais). Souligné : le TAEG le plus bas.</translation>
    </message>
    <message>
        <source>Line %1 of the offers file: %2</source>
        <translation>Ligne %1 du fichier d&apos;offres : %2</translation>
    </message>
    <message>
        <source>this is not an offers file.</source>
        <translation>ce n&apos;est pas un fichier d&apos;offres.</translation>
    </message>
    <message>
        <source>%1 is not offer or switch.</source>
        <translation>%1 n&apos;est ni offer ni switch.</translation>
    </message>
    <message>
        <source>Switching moves a loan&apos;s balance to an offer: this plan is not a loan.</source>
        <translation>Un changement transfère le solde d&apos;un prêt vers une offre : ce plan n&apos;est pas un prêt.</translation>
    </message>
    <message>
        <source>A switch comes after a payment from 0 to %1, before the plan&apos;s last.</source>
        <translation>Un changement vient après une échéance de 0 à %1, avant la dernière du plan.</translation>
    </message>
    <message>
        <source>The plan&apos;s schedule does not end.</source>
        <translation>L&apos;échéancier du plan ne se termine pas.</translation>
    </message>
    <message>
        <source>%1 is not an offer&apos;s name.</source>
        <translation>%1 n&apos;est pas le nom d&apos;une offre.</translation>
    </message>
    <message>
        <source>%1 is not a payment number from 0.</source>
        <translation>%1 n&apos;est pas un numéro d&apos;échéance à partir de 0.</translation>
    </message>
    <message>
        <source>%1 is not a charge in percent of at least 0.</source>
        <translation>%1 n&apos;est pas une indemnité en pourcentage d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>%1 is not an amount of at least 0.</source>
        <translation>%1 n&apos;est pas un montant d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>Calculate a loan first: a switch starts from the calculator&apos;s plan.</source>
        <translation>Calculez d&apos;abord un prêt : un changement part du plan du calculateur.</translation>
    </message>
    <message>
        <source>Balance moved</source>
        <translation>Solde transféré</translation>
    </message>
    <message>
        <source>Costs at the switch</source>
        <translation>Frais du changement</translation>
    </message>
    <message>
        <source>New payment</source>
        <translation>Nouvelle échéance</translation>
    </message>
    <message>
        <source>Saving a payment</source>
        <translation>Économie par échéance</translation>
    </message>
    <message>
        <source>Pays for itself</source>
        <translation>Rentabilisé</translation>
    </message>
    <message>
        <source>Net saving by the plan&apos;s end</source>
        <translation>Économie nette à la fin du plan</translation>
    </message>
    <message>
        <source>after payment %1 (%2)</source>
        <translation>après l&apos;échéance %1 (%2)</translation>
    </message>
    <message>
        <source>The switch never pays: the savings never exceed its costs.</source>
        <translation>Le changement n&apos;est jamais rentable : les économies ne dépassent jamais ses frais.</translation>
    </message>
    <message>
        <source>An offer&apos;s name is one word, without blanks.</source>
        <translation>Le nom d&apos;une offre est un mot, sans espaces.</translation>
    </message>
    <message>
        <source>The amount must be above 0.</source>
        <translation>Le montant doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>The APR must be above -100.</source>
        <translation>Le taux nominal doit être supérieur à -100.</translation>
    </message>
    <message>
        <source>The number of payments must be a whole number from 1 to %1.</source>
        <translation>Le nombre d&apos;échéances doit être un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>The balloon and the fees must be amounts of at least 0.</source>
        <translation>Le paiement final et les frais doivent être des montants d&apos;au moins 0.</translation>
    </message>
    <message>
        <source>The calculator cannot work out a payment for this offer.</source>
        <translation>Le calculateur ne peut pas calculer d&apos;échéance pour cette offre.</translation>
    </message>
    <message>
        <source>The fees paid up front take the whole amount: no rate can be worked out.</source>
        <translation>Les frais payés d&apos;avance absorbent tout le montant : aucun taux ne peut être calculé.</translation>
    </message>
    <message>
        <source>No single rate gives these payments for the amount received.</source>
        <translation>Aucun taux unique ne donne ces échéances pour le montant reçu.</translation>
    </message>
    <message>
        <source>Statements (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|All Files (*.*)|*.*</source>
        <translation>Échéanciers (*.csv *.txt *.tsv)|*.csv;*.txt;*.tsv|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Open a Lender&apos;s Statement</source>
        <translation>Ouvrir l&apos;échéancier du prêteur</translation>
    </message>
    <message>
        <source>Save the Comparison</source>
        <translation>Enregistrer la comparaison</translation>
    </message>
    <message>
        <source>Comparison (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation>Comparaison (*.csv)|*.csv|Classeur Excel (*.xlsx)|*.xlsx</translation>
    </message>
    <message>
        <source>Could not save the comparison to %1: %2</source>
        <translation>Impossible d&apos;enregistrer la comparaison dans %1 : %2</translation>
    </message>
    <message>
        <source>the plan&apos;s equal periods</source>
        <translation>périodes égales du plan</translation>
    </message>
    <message>
        <source>interest not rounded</source>
        <translation>intérêts non arrondis</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded half up to the cent</source>
        <translation>intérêts de chaque ligne arrondis au centime, la moitié vers le haut</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded half to even to the cent</source>
        <translation>intérêts de chaque ligne arrondis au centime, la moitié au chiffre pair</translation>
    </message>
    <message>
        <source>each row&apos;s interest rounded down to the cent</source>
        <translation>intérêts de chaque ligne tronqués au centime</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Lender&apos;s %1</source>
        <translation>%1 (prêteur)</translation>
    </message>
    <message>
        <source>Our %1</source>
        <translation>%1 (calculé)</translation>
    </message>
    <message>
        <source>Open a lender&apos;s statement, or paste one, to compare it with the plan.</source>
        <translation>Ouvrez l&apos;échéancier du prêteur, ou collez-le, pour le comparer au plan.</translation>
    </message>
    <message>
        <source>Your lender charges %1 %, not %3 %: %2.</source>
        <translation>Votre prêteur applique %1 %, et non %3 % : %2.</translation>
    </message>
    <message>
        <source>Every row matches: %1, at %2 %.</source>
        <translation>Chaque ligne concorde : %1, à %2 %.</translation>
    </message>
    <message>
        <source>The closest reckoning: %1, at %2 %.</source>
        <translation>Le calcul le plus proche : %1, à %2 %.</translation>
    </message>
    <message>
        <source>%1 of %2 rows match.</source>
        <translation>%1 lignes sur %2 concordent.</translation>
    </message>
    <message>
        <source>The first difference: payment %1 (%2), %3: the lender&apos;s %4, ours %5.</source>
        <translation>Le premier écart : échéance %1 (%2), %3 : %4 chez le prêteur, %5 calculé.</translation>
    </message>
    <message>
        <source>No figure differs.</source>
        <translation>Aucun montant ne diffère.</translation>
    </message>
    <message>
        <source>The lender&apos;s final balance is %1 more than ours.</source>
        <translation>Le solde final du prêteur dépasse le nôtre de %1.</translation>
    </message>
    <message>
        <source>The lender&apos;s final balance is %1 less than ours.</source>
        <translation>Le solde final du prêteur est inférieur au nôtre de %1.</translation>
    </message>
    <message>
        <source>The final balances agree.</source>
        <translation>Les soldes finaux concordent.</translation>
    </message>
    <message>
        <source>The statement does not tell its final balance.</source>
        <translation>L&apos;échéancier n&apos;indique pas le capital restant dû final.</translation>
    </message>
    <message>
        <source>The lender charged %1 more interest than our reckoning.</source>
        <translation>Le prêteur a compté %1 d’intérêts de plus que notre calcul.</translation>
    </message>
    <message>
        <source>The lender charged %1 less interest than our reckoning.</source>
        <translation>Le prêteur a compté %1 d’intérêts de moins que notre calcul.</translation>
    </message>
    <message>
        <source>The interest agrees with our reckoning.</source>
        <translation>Les intérêts concordent avec notre calcul.</translation>
    </message>
    <message>
        <source>The statement does not tell all its interest.</source>
        <translation>L&apos;échéancier n&apos;indique pas tous ses intérêts.</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>this is not text</source>
        <translation>ce n&apos;est pas du texte</translation>
    </message>
    <message>
        <source>more than 64 columns</source>
        <translation>plus de 64 colonnes</translation>
    </message>
    <message>
        <source>the text is empty</source>
        <translation>le texte est vide</translation>
    </message>
    <message>
        <source>the header names neither an Interest nor a Balance column</source>
        <translation>l’en-tête ne nomme ni colonne Intérêts ni colonne Solde</translation>
    </message>
    <message>
        <source>no header naming a Date column and an Interest or Balance column</source>
        <translation>aucun en-tête nommant une colonne Date et une colonne Intérêts ou Solde</translation>
    </message>
    <message>
        <source>a quote is not closed</source>
        <translation>un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 champs là où l’en-tête en a %2</translation>
    </message>
    <message>
        <source>more than 100,000 payments</source>
        <translation>plus de 100 000 échéances</translation>
    </message>
    <message>
        <source>no date in the %1 column</source>
        <translation>pas de date dans la colonne %1</translation>
    </message>
    <message>
        <source>the date is not after the one above it</source>
        <translation>la date n&apos;est pas postérieure à celle du dessus</translation>
    </message>
    <message>
        <source>no amount in the %1 column</source>
        <translation>pas de montant dans la colonne %1</translation>
    </message>
    <message>
        <source>the amount in the %1 column is too large</source>
        <translation>le montant de la colonne %1 est trop grand</translation>
    </message>
    <message>
        <source>no payments below the header</source>
        <translation>aucune échéance sous l&apos;en-tête</translation>
    </message>
    <message>
        <source>Calculate the plan first: the statement is checked against its APR.</source>
        <translation>Calculez d&apos;abord le plan : l&apos;échéancier est vérifié à son taux.</translation>
    </message>
    <message>
        <source>interest</source>
        <translation>intérêts</translation>
    </message>
    <message>
        <source>principal</source>
        <translation>capital</translation>
    </message>
    <message>
        <source>balance</source>
        <translation>solde</translation>
    </message>
    <message>
        <source>payment</source>
        <translation>échéance</translation>
    </message>
    <message>
        <source>the text is larger than 8 MB</source>
        <translation>le texte dépasse 8 Mo</translation>
    </message>
</context>
<context>
    <name>selvane::MoneyCharts</name>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Years, %1 a bar</source>
        <translation>Années, %1 par barre</translation>
    </message>
    <message>
        <source>Payment date</source>
        <translation>Date d&apos;échéance</translation>
    </message>
</context>
<context>
    <name>selvane::RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider la liste</translation>
    </message>
</context>
<context>
    <name>selvane::ReportView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>selvane::StatementModel</name>
    <message>
        <source>%1, differs</source>
        <translation>%1, diffère</translation>
    </message>
</context>
<context>
    <name>selvane::YearlyModel</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>Balance at Year End</source>
        <translation>Solde en fin d&apos;année</translation>
    </message>
</context>
<context>
    <name>selvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Loans, mortgages, leases, income and savings at a glance.</source>
        <translation>Prêts, prêts immobiliers, leasing, revenus et épargne en un coup d&apos;œil.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Informations &amp;système...</translation>
    </message>
</context>
<context>
    <name>selvane::frmChart</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation>Enregistrer l&apos;&amp;image...</translation>
    </message>
</context>
<context>
    <name>selvane::frmFinCalc</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>The selection holds more than %1 MB of text, and at most %1 MB (%2 bytes) can be copied at a time. Select a part of the report and copy again.</source>
        <translation>La sélection contient plus de %1 Mo de texte, et %1 Mo (%2 octets) au maximum peuvent être copiés à la fois. Sélectionnez une partie du rapport, puis copiez à nouveau.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation>Enregistrer &amp;sous ...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Export Report ...</source>
        <translation>E&amp;xporter le rapport ...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>Dé&amp;tails</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>Fo&amp;nction</translation>
    </message>
    <message>
        <source>&amp;Personal Loans</source>
        <translation>Prêts &amp;personnels</translation>
    </message>
    <message>
        <source>&amp;Mortgages</source>
        <translation>Prêts &amp;immobiliers</translation>
    </message>
    <message>
        <source>&amp;Leases</source>
        <translation>&amp;Leasing</translation>
    </message>
    <message>
        <source>&amp;Income</source>
        <translation>&amp;Revenus</translation>
    </message>
    <message>
        <source>In&amp;vestment</source>
        <translation>Épar&amp;gne</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;What If...</source>
        <translation>&amp;Simulation...</translation>
    </message>
    <message>
        <source>&amp;Find the Rate</source>
        <translation>&amp;Trouver le taux</translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation>&amp;Utiliser ce taux</translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation>&amp;Conserver pour comparaison</translation>
    </message>
    <message>
        <source>&amp;Clear Kept</source>
        <translation>&amp;Effacer le scénario conservé</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>&amp;About Selvane</source>
        <translation>À &amp;propos de Selvane</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>&amp;Schedule...</source>
        <translation>É&amp;chéancier...</translation>
    </message>
    <message>
        <source>C&amp;ompare Offers...</source>
        <translation>C&amp;omparer des offres...</translation>
    </message>
    <message>
        <source>Check a &amp;Lender&apos;s Statement...</source>
        <translation>Vérifier l&apos;échéancier du &amp;prêteur...</translation>
    </message>
</context>
<context>
    <name>selvane::frmOffers</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Cost over time</source>
        <translation>Coût dans le temps</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>A new offer, with the figures of the plan where there is one</source>
        <translation>Une nouvelle offre, avec les chiffres du plan s&apos;il y en a un</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Cheaper for good</source>
        <translation>Moins cher pour de bon</translation>
    </message>
    <message>
        <source>&amp;Offer</source>
        <translation>&amp;Offre</translation>
    </message>
    <message>
        <source>A&amp;gainst</source>
        <translation>&amp;Contre</translation>
    </message>
    <message>
        <source>Switch the plan to an offer</source>
        <translation>Transférer le plan vers une offre</translation>
    </message>
    <message>
        <source>&amp;To offer</source>
        <translation>&amp;Vers l&apos;offre</translation>
    </message>
    <message>
        <source>After &amp;payment</source>
        <translation>Après l&apos;&amp;échéance</translation>
    </message>
    <message>
        <source>Early-repayment &amp;charge (%)</source>
        <translation>&amp;Indemnité de remboursement anticipé (%)</translation>
    </message>
    <message>
        <source>&amp;Switching costs</source>
        <translation>Frais de c&amp;hangement</translation>
    </message>
    <message>
        <source>App&amp;ly</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Tur&amp;n Off</source>
        <translation>Désac&amp;tiver</translation>
    </message>
    <message>
        <source>Compare Offers</source>
        <translation>Comparer des offres</translation>
    </message>
    <message>
        <source>Compare Offers - %1</source>
        <translation>Comparer des offres - %1</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>Paid so far</source>
        <translation>Payé à ce jour</translation>
    </message>
</context>
<context>
    <name>selvane::frmSchedule</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Échéancier</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>&amp;Paid out on</source>
        <translation>&amp;Versé le</translation>
    </message>
    <message>
        <source>Paid out on</source>
        <translation>Versé le</translation>
    </message>
    <message>
        <source>&amp;First payment on</source>
        <translation>&amp;Première échéance le</translation>
    </message>
    <message>
        <source>First payment on</source>
        <translation>Première échéance le</translation>
    </message>
    <message>
        <source>The calculator&apos;s equal periods</source>
        <translation>Périodes égales du calculateur</translation>
    </message>
    <message>
        <source>30/360</source>
        <translation>30/360</translation>
    </message>
    <message>
        <source>Actual/365</source>
        <translation>Exact/365</translation>
    </message>
    <message>
        <source>Actual/360</source>
        <translation>Exact/360</translation>
    </message>
    <message>
        <source>Actual/actual</source>
        <translation>Exact/exact</translation>
    </message>
    <message>
        <source>Day count</source>
        <translation>Décompte des jours</translation>
    </message>
    <message>
        <source>No rounding</source>
        <translation>Sans arrondi</translation>
    </message>
    <message>
        <source>Interest to the cent</source>
        <translation>Intérêts au centime</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>&amp;Day count</source>
        <translation>&amp;Décompte des jours</translation>
    </message>
    <message>
        <source>&amp;Rounding</source>
        <translation>A&amp;rrondi</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Échéances</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Payments by date</source>
        <translation>Échéances par date</translation>
    </message>
    <message>
        <source>Calendar years</source>
        <translation>Années civiles</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Payé</translation>
    </message>
</context>
<context>
    <name>selvane::frmStatement</name>
    <message>
        <source>Check a Lender&apos;s Statement</source>
        <translation>Vérifier l&apos;échéancier du prêteur</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;Save Comparison...</source>
        <translation>&amp;Enregistrer la comparaison...</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The lender&apos;s rows beside ours</source>
        <translation>Les lignes du prêteur à côté des nôtres</translation>
    </message>
    <message>
        <source>Check a Lender&apos;s Statement - %1</source>
        <translation>Vérifier l&apos;échéancier du prêteur - %1</translation>
    </message>
</context>
<context>
    <name>selvane::frmWhatIf</name>
    <message>
        <source>What If</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>&amp;From payment</source>
        <translation>À &amp;partir de l&apos;échéance</translation>
    </message>
    <message>
        <source>Payments needed</source>
        <translation>Échéances nécessaires</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Dernière échéance</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Total payé</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Total des intérêts</translation>
    </message>
    <message>
        <source>Rate change</source>
        <translation>Changement de taux</translation>
    </message>
    <message>
        <source>&amp;New APR (%)</source>
        <translation>&amp;Nouveau taux nominal (%)</translation>
    </message>
    <message>
        <source>Interest change</source>
        <translation>Variation des intérêts</translation>
    </message>
    <message>
        <source>Term change</source>
        <translation>Variation de la durée</translation>
    </message>
    <message>
        <source>Rate shock</source>
        <translation>Choc de taux</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>Taux nominal</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Find the rate</source>
        <translation>Trouver le taux</translation>
    </message>
    <message>
        <source>Find the &amp;Rate</source>
        <translation>&amp;Trouver le taux</translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation>&amp;Utiliser ce taux</translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation>Taux effectif</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation>&amp;Conserver pour comparaison</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservé</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation>Nombre d&apos;échéances</translation>
    </message>
    <message>
        <source>Length of the plan</source>
        <translation>Durée du plan</translation>
    </message>
    <message>
        <source>&amp;Amount</source>
        <translation>&amp;Montant</translation>
    </message>
    <message>
        <source>&amp;Until payment</source>
        <translation>&amp;Jusqu&apos;à l&apos;échéance</translation>
    </message>
    <message>
        <source>E&amp;very (payments)</source>
        <translation>&amp;Intervalle (échéances)</translation>
    </message>
    <message>
        <source>A&amp;t payment</source>
        <translation>À l&apos;éc&amp;héance</translation>
    </message>
    <message>
        <source>&amp;Payments</source>
        <translation>Nom&amp;bre d&apos;échéances</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>Chronologie</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Extra payment</source>
        <translation>Remboursement anticipé</translation>
    </message>
    <message>
        <source>One-time amount</source>
        <translation>Versement unique</translation>
    </message>
    <message>
        <source>Payment holiday</source>
        <translation>Report d&apos;échéances</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Nothing paid, the interest added</source>
        <translation>Aucun paiement, intérêts ajoutés au capital</translation>
    </message>
    <message>
        <source>The interest only</source>
        <translation>Les intérêts seulement</translation>
    </message>
    <message>
        <source>Then keep the payment</source>
        <translation>Puis garder l&apos;échéance</translation>
    </message>
    <message>
        <source>Then keep the end date</source>
        <translation>Puis garder la date de fin</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>C&amp;hange</source>
        <translation>Mo&amp;difier</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Overpayments shorten the plan</source>
        <translation>Les remboursements anticipés réduisent la durée</translation>
    </message>
    <message>
        <source>Overpayments lower the payment</source>
        <translation>Les remboursements anticipés réduisent l&apos;échéance</translation>
    </message>
    <message>
        <source>Overpayments</source>
        <translation>Remboursements anticipés</translation>
    </message>
    <message>
        <source>Payment of each stretch</source>
        <translation>Échéance de chaque période</translation>
    </message>
    <message>
        <source>Paid off</source>
        <translation>Remboursé</translation>
    </message>
</context>
</TS>
