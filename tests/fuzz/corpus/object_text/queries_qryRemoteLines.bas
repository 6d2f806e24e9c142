dbMemo "SQL" ="SELECT OrderID, Quantity, Price FROM dbo.Lines WHERE Price > 0"
dbMemo "Connect" ="ODBC;DSN=Warehouse;"
dbBoolean "ReturnsRecords" ="-1"
