dbMemo "SQL" ="SELECT Orders.OrderID, Customers.CompanyName, Orders.OrderDate, Orders.RequiredD"
    "ate\015\012FROM Customers INNER JOIN Orders ON Customers.CustomerID = Orders.Cus"
    "tomerID\015\012WHERE (((Orders.ShippedDate) Is Null))\015\012ORDER BY Orders.Req"
    "uiredDate;\015\012"
dbMemo "Connect" =""
dbBoolean "ReturnsRecords" ="-1"
dbInteger "ODBCTimeout" ="60"
dbBoolean "OrderByOn" ="0"
dbByte "Orientation" ="0"
dbByte "DefaultView" ="2"
dbBoolean "FilterOnLoad" ="0"
dbBoolean "OrderByOnLoad" ="-1"
Begin
    Begin
        dbText "Name" ="Orders.OrderID"
        dbLong "AggregateType" ="-1"
    End
    Begin
        dbText "Name" ="Customers.CompanyName"
        dbLong "AggregateType" ="-1"
    End
    Begin
        dbText "Name" ="Orders.OrderDate"
        dbLong "AggregateType" ="-1"
    End
    Begin
        dbText "Name" ="Orders.RequiredDate"
        dbLong "AggregateType" ="-1"
    End
End
