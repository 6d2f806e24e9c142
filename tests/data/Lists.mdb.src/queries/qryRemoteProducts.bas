dbMemo "SQL" ="SELECT ProductID, ProductName FROM dbo.Products"
dbMemo "Connect" ="ODBC;DSN=Warehouse;"
dbBoolean "ReturnsRecords" ="-1"
