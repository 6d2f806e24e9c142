INSERT INTO [Customer Mailing List] ( CustomerID, CompanyName, ContactName, Address, City, Region, PostalCode, Country )
SELECT Customers.CustomerID, Customers.CompanyName, Customers.ContactName, Customers.Address, Customers.City, Customers.Region, Customers.PostalCode, Customers.Country
FROM Customers LEFT JOIN [Customer Mailing List] ON Customers.CustomerID = [Customer Mailing List].CustomerID
WHERE (((Customers.Active)=True) AND (([Customer Mailing List].CustomerID) Is Null));
