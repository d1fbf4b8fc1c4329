<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the figures to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open figures saved in a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the figures and the details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the details of the calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the selected result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the caption last clicked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The details of the last calculation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing the report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>The file %1 is no longer there. It has been removed from the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::FinCalc</name>
    <message>
        <source>The last calculation solved nothing: choose what to solve for and calculate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written to %1. Any file already there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new APR must be a number above -100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new rate starts at a whole payment number from 1 to 10000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rate change is for loans and mortgages, whose lender can reset the rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new APR gives no rate per payment the calculator can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 no longer covers the interest, so the balance is never paid off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At %1 % the payment of %2 pays the balance off only after more than 10000000 payments, more than the calculator schedules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A payment of %1 from payment %2 on would still end the plan on time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payments with this rate add up to more than the calculator can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: a lease&apos;s payments are set by its contract.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: income payments are paid to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages: for an investment, raise the deposit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments are for loans and mortgages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last calculation failed, so there is no plan to show: change the inputs and calculate again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra from payment %1 comes after the last payment (%2): not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one-time amount at payment %1 comes after the last payment (%2): not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payments with these extras add up to more than the calculator can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This scenario&apos;s mode is not one the calculator knows, so it computes no payment to find a rate for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1: a later Calculate at that APR, solving for the payment, gives %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The APR field shows the rate to three decimals, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From payment %1 on, the end date kept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 point (%2 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+%1 points (%2 %)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Text Files (*.txt)|*.txt|Financial Files (*.fin)|*.fin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Table (*.csv)|*.csv|Yearly Summary (*.csv)|*.csv|Excel Workbook (*.xlsx)|*.xlsx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biweekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest earned to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deposits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal paid to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest paid to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance with extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance with the rate change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance with extras and the rate change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra amount must be a number of at least 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one-time amount must be a number of at least 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments start at a whole payment number from 1 to 10000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The one-time amount goes with a whole payment number from 1 to 10000000.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan&apos;s figures are beyond the range of numbers, so it has no payment schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has no payments, so it has no payment schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plan has more than 10000000 payments, more than the calculator schedules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rate per payment is -100 % or less, so the plan has no payment schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end amount is at or above the amount financed: the payments do not pay the balance down, so there is nothing for extra payments to pay off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment is no more than the first period&apos;s interest, so the plan&apos;s balance does not fall: there is no schedule for extra payments to shorten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lease Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lease Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Investments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cmpd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infl. (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depr. (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No. Pmts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Pmt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asset Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmt Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purch. Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buyback </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Amt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pmt Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a payment period and a compound period: without them the rate does not enter the payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of payments must be more than 0 for the payment to have a rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With this compound period the payment is computed only for more than %1 payments; with fewer it does not depend on the rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment is not a number the calculator can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payment cannot be computed from these inputs at any rate from -100 % up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payments add up to less than the amount borrowed minus the end amount; not even a rate near -100 % brings the payment down to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deposits add up to more than the end amount minus the start amount; not even a rate near -100 % brings the deposit up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>just above -100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rate from %1 % to %2 % gives a payment of %3: over that range it runs from %4 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Earned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compound Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period for which interest is compounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period of payments (normally monthly)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Result Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the desired result of the calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interim Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual percentage rate (APR).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Percentage Rate (APR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compound period.  Normally same as payment period (1 month), but can be 6 months for mortgages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly inflation rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly depreciation rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Annual Percentage Rate (APR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting value of asset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal amount left after final payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment made or received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Determine status after this number (N) of payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance left after N payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal paid after N payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest paid after N payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value of the asset after depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sales tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost of payment considering inflation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::MoneyCharts</name>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years, %1 a bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::RecentFilesMenu</name>
    <message>
        <source>&amp;Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::ReportView</name>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::YearlyModel</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance at Year End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::frmAbout</name>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loans, mortgages, leases, income and savings at a glance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::frmChart</name>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Image...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::frmFinCalc</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selection holds more than %1 MB of text, and at most %1 MB (%2 bytes) can be copied at a time. Select a part of the report and copy again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Report ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Personal Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mortgages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;vestment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;What If...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find the Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Selvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>selvane::frmWhatIf</name>
    <message>
        <source>What If</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Extra each payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;One-time amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;At payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange the rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New APR (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From pa&amp;yment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the &amp;payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the en&amp;d date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment from the change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate shock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the &amp;Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use This Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep for Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length of the plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
